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
    // Converts an SMBIOS byte string to wide text. The Windows build installs
    // the OEM code page conversion; the default widens each byte.
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

    static TextDecoder Decoder;
};

// Text of an SMBIOS memory-device type code (empty when unlisted).
std::wstring SmbiosDeviceMemoryTypeText(unsigned code);
