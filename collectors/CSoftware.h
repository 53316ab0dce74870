#pragma once
// Operating-system and running-software facts. No state: every call reads
// afresh.
#include <cstdint>
#include <string>
#include <vector>

#include "common/CObject.h"

// <windows.h> maps ReadEventLog to ReadEventLogW; taking the header in here,
// once, and dropping that macro keeps the member's name the same in every
// file that includes this one, whatever it included before. Call the API as
// ReadEventLogW.
#include <windows.h>
#undef ReadEventLog

// The platform's version test: at least major.minor with at least the given
// service pack (a higher major passes whatever the minor).
bool IsVersionAtLeast(unsigned major, unsigned minor, unsigned servicePackMajor);

class CSoftware : public CObject {
public:
    CSoftware() = default;
    ~CSoftware() override = default;

    std::wstring GetWindowsName() const;
    std::wstring GetEdition() const;
    // "19045.3803": the build number with the update revision; empty when unknown.
    std::wstring GetBuildNumber() const;
    std::wstring GetBitness() const;      // "64" on a 64-bit system (the 32-bit program asks WoW64)
    std::wstring GetServicePack() const;  // "1", "2", "3" or empty
    std::wstring GetInstallDate() const;
    std::wstring GetLastBootTime() const;
    std::wstring GetSerialNumber() const;
    std::wstring GetThreadTotal() const;

    static std::wstring GetEditionName(uint32_t sku);
    static std::wstring FormatEventTime(uint32_t secondsSince1970);
    static std::wstring GetEventTypeName(unsigned type);

    // Appends the newest entries (at most 10, newest first) of the named log
    // ("System", "Application") to the four lists, one entry each per record.
    void ReadEventLog(const std::wstring& logName, std::vector<std::wstring>& times,
                      std::vector<std::wstring>& sources, std::vector<std::wstring>& eventIds,
                      std::vector<std::wstring>& types) const;
};
