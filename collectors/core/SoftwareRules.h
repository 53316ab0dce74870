#pragma once
// Operating-system facts as plain rules: generation and service-pack names
// as functions of a version test, the edition (SKU) table, the date texts
// and the event-log record parser.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct CalendarFields;

// "Is the running system at least major.minor with service pack sp?"
using VersionTest = std::function<bool(unsigned major, unsigned minor, unsigned servicePack)>;

// Generation name. `buildNumber` is the registry's CurrentBuildNumber, or
// null when it could not be read.
std::wstring WindowsGenerationName(const VersionTest& atLeast, const std::wstring* buildNumber);
// The registry's build number with the update revision: "19045.3803".
// Without a build number the text is empty; a missing or zero revision
// leaves the plain build number.
std::wstring BuildNumberText(bool haveBuild, const std::wstring& build, bool haveRevision, uint32_t revision);
// "1", "2", "3" or empty.
std::wstring ServicePackText(const VersionTest& atLeast);
// "64" or "32": the system's width. A 64-bit program runs only on a 64-bit
// system; a 32-bit one is on a 64-bit system when it runs under WoW64.
std::wstring BitnessText(bool program64, bool underWow64);
// Edition text of an OperatingSystemSKU number (empty when unlisted).
std::wstring EditionName(uint32_t sku);

// "%02d/%02d/%d %02d:%02d:%02d" (year/month/day time, day not padded).
std::wstring InstallDateText(const CalendarFields& local);
// "%d-%d-%d %.2d:%.2d:%.2d" (year-month-day time).
std::wstring EventTimeText(const CalendarFields& local);
// 1 "Error", 2 "Warning", 4 "Information", 8 "Audit Success",
// 16 "Audit Failure", anything else empty.
std::wstring EventTypeName(unsigned type);

struct EventLogRecord {
    uint32_t timeGenerated = 0;  // seconds since 1970-01-01 UTC
    uint32_t eventId = 0;        // full identifier; callers show the low 16 bits
    uint16_t eventType = 0;
    std::wstring source;
};

// Fixed record header of the platform's event-log records.
constexpr size_t kEventRecordHeaderSize = 56;

// Parses the records in the `size` bytes a read returned, appending at most
// `limit` records to `out`; returns how many were appended. A record whose
// length is shorter than its header or runs past the bytes read ends the
// parse: nothing outside [data, data + size) is read.
size_t ParseEventLogRecords(const uint8_t* data, size_t size, size_t limit, std::vector<EventLogRecord>* out);
