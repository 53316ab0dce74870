#include "collectors/CSoftware.h"

#include <windows.h>
#include <tlhelp32.h>

#include "collectors/LocalTime.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/SoftwareRules.h"
#include "common/Format.h"
#include "framework/Handles.h"

namespace {

constexpr size_t kEventLimit = 10;
constexpr DWORD kEventBufferSize = 4096;

std::wstring OperatingSystemDate(const wchar_t* property) {
    CalendarFields local;
    if (!WmiLastDateTime(L"SELECT * FROM Win32_OperatingSystem", property, &local)) return std::wstring();
    return InstallDateText(local);
}

const wchar_t kCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// The registry's "CurrentBuildNumber"; false when it cannot be read.
bool ReadBuildNumber(std::wstring* build) {
    wchar_t buffer[256] = {};  // 512 bytes, always terminated
    DWORD bytes = sizeof(buffer) - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"CurrentBuildNumber", RRF_RT_REG_SZ, nullptr, buffer,
                     &bytes) != ERROR_SUCCESS)
        return false;
    *build = buffer;
    return true;
}

class EventLogHandle {
public:
    explicit EventLogHandle(const std::wstring& name) : h_(OpenEventLogW(nullptr, name.c_str())) {}
    EventLogHandle(const EventLogHandle&) = delete;
    EventLogHandle& operator=(const EventLogHandle&) = delete;
    ~EventLogHandle() {
        if (h_ != nullptr) CloseEventLog(h_);
    }
    HANDLE Get() const { return h_; }

private:
    HANDLE h_;
};

}  // namespace

bool IsVersionAtLeast(unsigned major, unsigned minor, unsigned servicePackMajor) {
    OSVERSIONINFOEXW info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    info.wServicePackMajor = static_cast<WORD>(servicePackMajor);
    DWORDLONG mask = VerSetConditionMask(0, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask) != FALSE;
}

std::wstring CSoftware::GetWindowsName() const {
    std::wstring build;
    const bool haveBuild = IsVersionAtLeast(10, 0, 0) && ReadBuildNumber(&build);
    return WindowsGenerationName(IsVersionAtLeast, haveBuild ? &build : nullptr);
}

std::wstring CSoftware::GetBuildNumber() const {
    std::wstring build;
    const bool haveBuild = ReadBuildNumber(&build);
    DWORD revision = 0;
    DWORD size = sizeof(revision);
    const bool haveRevision = haveBuild && RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"UBR", RRF_RT_REG_DWORD,
                                                        nullptr, &revision, &size) == ERROR_SUCCESS;
    return BuildNumberText(haveBuild, build, haveRevision, revision);
}

std::wstring CSoftware::GetEdition() const {
    return WmiLastRow(L"SELECT * FROM Win32_OperatingSystem",
                      [](const WmiRow& row) { return GetEditionName(WmiNumber(row.Get(L"OperatingSystemSKU"))); });
}

std::wstring CSoftware::GetBitness() const {
    BOOL wow64 = FALSE;
    if (!IsWow64Process(GetCurrentProcess(), &wow64)) wow64 = FALSE;
    return BitnessText(sizeof(void*) == 8, wow64 != FALSE);
}

std::wstring CSoftware::GetServicePack() const { return ServicePackText(IsVersionAtLeast); }

std::wstring CSoftware::GetInstallDate() const { return OperatingSystemDate(L"InstallDate"); }

std::wstring CSoftware::GetLastBootTime() const { return OperatingSystemDate(L"LastBootUpTime"); }

std::wstring CSoftware::GetSerialNumber() const {
    return WmiLastText(L"SELECT * FROM Win32_OperatingSystem", L"SerialNumber");
}

std::wstring CSoftware::GetThreadTotal() const {
    CHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.Valid()) return std::wstring();
    THREADENTRY32 entry;
    entry.dwSize = sizeof(entry);
    if (!Thread32First(snapshot.Get(), &entry)) return std::wstring();
    int count = 0;
    do {
        ++count;
        entry.dwSize = sizeof(entry);
    } while (Thread32Next(snapshot.Get(), &entry));
    return Format(L"%d", count);
}

std::wstring CSoftware::GetEditionName(uint32_t sku) { return EditionName(sku); }

std::wstring CSoftware::FormatEventTime(uint32_t secondsSince1970) {
    CalendarFields local;
    const uint64_t utc = kFileTimeUnixEpoch + static_cast<uint64_t>(secondsSince1970) * 10000000ull;
    if (!LocalCalendarFromUtc(utc, &local)) return std::wstring();
    return EventTimeText(local);
}

std::wstring CSoftware::GetEventTypeName(unsigned type) { return EventTypeName(type); }

void CSoftware::ReadEventLog(const std::wstring& logName, std::vector<std::wstring>& times,
                             std::vector<std::wstring>& sources, std::vector<std::wstring>& eventIds,
                             std::vector<std::wstring>& types) const {
    EventLogHandle log(logName);
    if (log.Get() == nullptr) return;
    std::vector<uint8_t> buffer(kEventBufferSize);
    size_t taken = 0;
    while (taken < kEventLimit) {
        DWORD read = 0, needed = 0;
        // A record larger than the buffer makes the read fail: that ends it.
        if (!ReadEventLogW(log.Get(), EVENTLOG_SEQUENTIAL_READ | EVENTLOG_BACKWARDS_READ, 0, buffer.data(),
                           kEventBufferSize, &read, &needed) ||
            read == 0)
            break;
        std::vector<EventLogRecord> records;
        const size_t bytes = read < kEventBufferSize ? read : kEventBufferSize;
        if (ParseEventLogRecords(buffer.data(), bytes, kEventLimit - taken, &records) == 0) break;
        for (const EventLogRecord& r : records) {
            // All four lists grow together so an entry never goes missing in one.
            times.push_back(FormatEventTime(r.timeGenerated));
            sources.push_back(r.source);
            eventIds.push_back(Format(L"%d", static_cast<int>(r.eventId & 0xFFFF)));
            types.push_back(EventTypeName(r.eventType));
        }
        taken += records.size();
    }
}
