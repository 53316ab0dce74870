#pragma once
// The few facts the program takes from the firmware's SMBIOS table: the table
// version, the BIOS version string and the memory type codes. Filled once by
// WalkSmbiosTable at start-up, read-only afterwards.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/CObject.h"

class CDumpSMBIOS : public CObject {
public:
    // Converts an SMBIOS byte string to wide text. The Windows reader hands
    // in the OEM code page conversion; without one each byte is widened.
    using TextDecoder = std::wstring (*)(const char* bytes, size_t length);

    CDumpSMBIOS() = default;
    ~CDumpSMBIOS() override = default;

    uint8_t MajorVersion = 0;
    uint8_t MinorVersion = 0;
    std::wstring BiosVersion;
    uint16_t ModuleMemoryType = 0;
    uint8_t DeviceMemoryType = 0;

    // Record handlers. `s` points at a structure whose formatted area and
    // string area lie within `available` bytes (the walk guarantees it).
    void OnBiosInformation(const uint8_t* s, size_t available);
    void OnMemoryModule(const uint8_t* s, size_t available);
    void OnMemoryDevice(const uint8_t* s, size_t available);

    std::wstring GetMemoryType() const;

    // The conversion for the strings of the records handled from now on.
    void SetTextDecoder(TextDecoder decoder) { m_decoder = decoder; }

private:
    TextDecoder m_decoder = nullptr;
};

// Text of an SMBIOS memory-device type code (empty when unlisted).
std::wstring SmbiosDeviceMemoryTypeText(unsigned code);
