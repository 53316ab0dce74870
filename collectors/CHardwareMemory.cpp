#include "collectors/CHardwareMemory.h"

#include <windows.h>

#include "collectors/WmiQuery.h"
#include "collectors/core/MemoryRules.h"

CHardwareMemory::CHardwareMemory(const CDumpSMBIOS* smbios) : m_smbios(smbios) {
    MemoryModuleFacts facts;
    WmiQuery(L"SELECT * FROM Win32_PhysicalMemory", [&](const WmiRow& row) { ApplyPhysicalMemoryRow(row, &facts); });
    FormFactor = facts.formFactor;
    MemoryTypeText = facts.memoryType;
    ConfiguredClock = facts.configuredClock;
}

std::wstring CHardwareMemory::GetMemoryType() const {
    MemoryModuleFacts facts;
    facts.formFactor = FormFactor;
    facts.memoryType = MemoryTypeText;
    facts.configuredClock = ConfiguredClock;
    return ResolveMemoryType(facts, m_smbios);
}

std::wstring CHardwareMemory::GetInstalledMemory() const {
    ULONGLONG kib = 0;
    if (!GetPhysicallyInstalledSystemMemory(&kib)) kib = 0;
    return InstalledMemoryText(kib);
}

int CHardwareMemory::GetMemoryLoad() const {
    MEMORYSTATUSEX status;
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status)) return -1;
    return static_cast<int>(status.dwMemoryLoad);
}
