#include "collectors/CHardwareMemory.h"

#include <windows.h>

#include "collectors/WmiQuery.h"

CHardwareMemory::CHardwareMemory(const CDumpSMBIOS* smbios) : m_smbios(smbios) {
    WmiQuery(L"SELECT * FROM Win32_PhysicalMemory", [this](const WmiRow& row) { ApplyPhysicalMemoryRow(row, this); });
}

std::wstring CHardwareMemory::GetMemoryType() const { return ResolveMemoryType(*this, m_smbios); }

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
