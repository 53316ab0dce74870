#pragma once
// Memory module facts from Win32_PhysicalMemory rows and the decision of
// the memory type text, with the SMBIOS holder as the fallback.
#include <cstdint>
#include <string>

class CDumpSMBIOS;
class WmiRow;

// WMI form-factor and memory-type codes (empty when unlisted). The WMI type
// numbers differ from the SMBIOS ones (20 is "DDR" here, 18 there).
std::wstring MemoryFormFactorText(uint32_t code);
std::wstring WmiMemoryTypeText(uint32_t code);

// What the memory collector keeps of the installed modules.
struct MemoryModuleFacts {
    std::wstring FormFactor;
    std::wstring MemoryTypeText;
    uint32_t ConfiguredClock = 0;  // MHz
};

// One Win32_PhysicalMemory row; every field takes the row's value, so the
// last module decides, even when its code is unlisted.
void ApplyPhysicalMemoryRow(const WmiRow& row, MemoryModuleFacts* facts);

// The WMI type, "DDR4" above 4800 MHz read as "DDR5" (older WMI versions
// report DDR5 modules as DDR4); without a WMI type, the SMBIOS holder's.
// A null holder counts as an empty table.
std::wstring ResolveMemoryType(const MemoryModuleFacts& facts, const CDumpSMBIOS* holder);

// "%u MBytes" of an installed-memory count in KiB (low 32 bits of the MiB).
std::wstring InstalledMemoryText(uint64_t kib);
