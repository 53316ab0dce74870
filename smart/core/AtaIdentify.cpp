#include "smart/core/AtaIdentify.h"

#include <string>
#include <vector>

#include "smart/core/DeviceText.h"

namespace {

bool Bit(uint16_t word, int bit) { return (word >> bit) & 1; }

// Words past the end of a short block read as 0.
uint16_t IdentifyWord(const uint8_t* data, size_t size, size_t index) {
    if (data == nullptr || index >= size / 2) return 0;
    return static_cast<uint16_t>(data[2 * index] | (data[2 * index + 1] << 8));
}

// ATA strings hold two characters per word, the first in the high byte.
std::wstring IdentifyText(const uint8_t* data, size_t size, size_t firstWord, size_t words) {
    std::vector<uint8_t> bytes;
    for (size_t w = firstWord; w < firstWord + words; ++w) {
        const uint16_t value = IdentifyWord(data, size, w);
        bytes.push_back(static_cast<uint8_t>(value >> 8));
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return TrimDeviceText(bytes.data(), bytes.size());
}

const wchar_t* StandardText(uint16_t w80, bool viaBridge) {
    if (w80 == 0 || w80 == 0xFFFF) return viaBridge ? L"Unknown Standard (SCSI Pass-Through)" : L"Unknown Standard";
    if (Bit(w80, 8)) return L"ATA8-ACS";
    if (Bit(w80, 7)) return L"ATA/ATAPI-7";
    if (Bit(w80, 6)) return L"ATA/ATAPI-6";
    if (Bit(w80, 5)) return L"ATA/ATAPI-5";
    return L"ATA/ATAPI Compliant";
}

}  // namespace

void DecodeAtaIdentify(const uint8_t* data, size_t size, bool viaBridge, DriveInfo& info) {
    auto word = [&](size_t i) { return IdentifyWord(data, size, i); };

    info.Model = IdentifyText(data, size, 27, 20);
    info.SerialNumber = IdentifyText(data, size, 10, 10);
    info.Firmware = IdentifyText(data, size, 23, 4);

    const uint16_t w21 = word(21);
    info.BufferSize = (w21 != 0 && w21 != 0xFFFF) ? uint64_t{w21} * 512 : 0;

    // Values 2..1024 are reserved: the drive has not said anything usable.
    const uint16_t w217 = word(217);
    info.RotationRate = w217 == 1 ? 1 : (w217 >= 1025 && w217 <= 0xFFFE ? w217 : 0);

    const uint16_t w76 = word(76);
    if (w76 != 0 && w76 != 0xFFFF) {
        info.Interface = viaBridge ? L"SATA (USB Bridge)" : L"SATA";
        // Word 76 lists the supported signalling speeds: bit 1 Gen1, bit 2
        // Gen2, bit 3 Gen3. The fastest one names the link.
        info.TransferMode = Bit(w76, 3)   ? L"SATA Revision 3.0 (6.0 Gb/s)"
                            : Bit(w76, 2) ? L"SATA Revision 2.0 (3.0 Gb/s)"
                                          : L"SATA Revision 1.0 (1.5 Gb/s)";
    } else {
        const uint16_t w88 = word(88);
        info.Interface = viaBridge ? L"USB / SCSI" : L"Parallel ATA (PATA)";
        info.TransferMode = Bit(w88, 6)   ? L"Ultra DMA Mode 6 (UDMA133)"
                            : Bit(w88, 5) ? L"Ultra DMA Mode 5 (UDMA100)"
                            : Bit(w88, 4) ? L"Ultra DMA Mode 4 (UDMA66)"
                                          : L"Ultra DMA / Legacy PIO";
    }

    info.Standard = StandardText(word(80), viaBridge);

    // The bits tested here are the program's long-standing choice for these
    // names; they are not every bit the ATA standard assigns to them.
    const uint16_t w82 = word(82), w83 = word(83), w84 = word(84);
    info.Features.clear();
    if (Bit(w82, 0)) info.Features.push_back(L"S.M.A.R.T.");
    if (Bit(w82, 13)) info.Features.push_back(L"FLUSH CACHE");
    if (Bit(w83, 10)) info.Features.push_back(L"48-bit LBA");
    if (Bit(w83, 14)) info.Features.push_back(L"NOP Command");
    if (Bit(w84, 0)) info.Features.push_back(L"S.M.A.R.T. Self-Test");
    if (Bit(w76, 8)) info.Features.push_back(L"NCQ (Native Command Queuing)");

    if (Bit(w83, 10)) {
        info.SectorCount = uint64_t{word(100)} | uint64_t{word(101)} << 16 | uint64_t{word(102)} << 32 |
                           uint64_t{word(103)} << 48;
    } else {
        info.SectorCount = uint64_t{word(60)} | uint64_t{word(61)} << 16;
    }

    uint32_t logical = 512, physical = 512;
    info.SectorFormat = L"512n";
    const uint16_t w106 = word(106);
    if (!Bit(w106, 15) && Bit(w106, 14)) {
        if (Bit(w106, 12)) {
            const uint32_t words = uint32_t{word(117)} | uint32_t{word(118)} << 16;
            logical = words == 0 ? 4096 : words * 2u;
            info.SectorFormat = L"4Kn";
        }
        if (Bit(w106, 13)) {
            physical = logical << (w106 & 0x0F);
            if (logical == 512 && physical == 4096) info.SectorFormat = L"512e";
        } else {
            physical = logical;
        }
    }
    info.LogicalSectorSize = logical;
    info.PhysicalSectorSize = physical;
    info.Capacity = info.SectorCount * logical;
}
