#pragma once
// Main board and BIOS facts from WMI, queried afresh on every call. The BIOS
// version itself comes from the SMBIOS table (CDumpSMBIOS).
#include <string>

#include "common/CObject.h"

class CHardwareMotherboard : public CObject {
public:
    CHardwareMotherboard() = default;
    ~CHardwareMotherboard() override = default;

    std::wstring GetBoardManufacturer();
    std::wstring GetBoardProduct();
    std::wstring GetBoardVersion();
    std::wstring GetBiosManufacturer();
    // "%02d/%02d/%d": year/month/day in local time, the day not padded.
    std::wstring GetBiosReleaseDate();
};
