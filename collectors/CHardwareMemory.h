#pragma once
// Installed memory modules (from WMI, gathered once at construction), the
// memory type with the SMBIOS holder as fallback, installed size and load.
#include <cstdint>
#include <string>

#include "collectors/core/MemoryRules.h"
#include "collectors/NoGathering.h"
#include "common/CObject.h"

class CDumpSMBIOS;

// FormFactor, MemoryTypeText and ConfiguredClock are the facts of the last
// module WMI reported.
class CHardwareMemory : public CObject, public MemoryModuleFacts {
public:
    // `smbios` is the holder filled at start-up (may be null where there is
    // none); it must outlive this object.
    explicit CHardwareMemory(const CDumpSMBIOS* smbios);
    CHardwareMemory(const CDumpSMBIOS* smbios, NoGathering) : m_smbios(smbios) {}
    ~CHardwareMemory() override = default;

    std::wstring GetMemoryType() const;
    // "%u MBytes" of the physically installed memory ("0 MBytes" if unknown).
    std::wstring GetInstalledMemory() const;
    // Percentage of physical memory in use, -1 when the system cannot say.
    int GetMemoryLoad() const;

private:
    const CDumpSMBIOS* m_smbios;
};
