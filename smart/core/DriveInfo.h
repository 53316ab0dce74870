#pragma once
// One physical drive as the S.M.A.R.T. window sees it: identification,
// geometry and the attribute table. Plain records owned by the caller.
#include <cstdint>
#include <string>
#include <vector>

// How the drive was reached; the attribute catalogue and the health rating
// depend on it.
enum DriveAccessKind : int {
    kAccessNone = 0,
    kAccessAta = 1,
    kAccessNvme = 2,
    kAccessBridge = 3,  // SCSI or USB bridge with SCSI/ATA translation
};

struct SmartAttribute {
    uint8_t Id = 0;
    std::wstring Name;
    uint16_t Flags = 0;
    uint8_t Current = 0;
    uint8_t Worst = 0;
    uint8_t Threshold = 0;  // 0: the drive names no threshold
    uint64_t Raw = 0;
};

struct DriveInfo {
    int DriveNumber = 0;
    int AccessKind = kAccessNone;
    std::wstring Model;
    std::wstring SerialNumber;
    std::wstring Firmware;
    std::vector<SmartAttribute> Attributes;
    int Temperature = 0;           // degrees Celsius, 0 when unknown
    uint64_t BufferSize = 0;       // bytes, 0 when unknown
    int RotationRate = 0;          // 0 unknown, 1 solid state, else rpm
    std::wstring Interface;
    std::wstring TransferMode;
    std::wstring DriveLetters;
    std::wstring Standard;
    std::vector<std::wstring> Features;
    uint64_t SectorCount = 0;
    uint64_t Capacity = 0;         // bytes
    uint32_t LogicalSectorSize = 0;
    uint32_t PhysicalSectorSize = 0;
    std::wstring SectorFormat;     // "512n", "512e" or "4Kn"
};
