#include <gtest/gtest.h>

#include <sstream>

#include "smart/core/AtaIdentify.h"
#include "smart/core/DeviceText.h"
#include "tests/common/SmartBlocks.h"
#include "tests/common/TestData.h"

namespace {

DriveInfo Decode(const IdentifyBlock& block, bool viaBridge = false) {
    DriveInfo info;
    DecodeAtaIdentify(block.Bytes.data(), block.Bytes.size(), viaBridge, info);
    return info;
}

TEST(TrimDeviceText, DropsTrailingBlanksOnlyAndStopsAtNul) {
    struct Case {
        std::string bytes;
        std::wstring expected;
    } cases[] = {
        {"WDC WD10   ", L"WDC WD10"},
        {"  SN123 \t\r\n\f\v", L"  SN123"},
        {std::string("HS122JC \0\0\0\0", 12), L"HS122JC"},
        {std::string("2.9\0XY", 6), L"2.9"},
        {"      ", L""},
        {"\xE9t\xE9", L"\u00E9t\u00E9"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimDeviceText(reinterpret_cast<const uint8_t*>(c.bytes.data()), c.bytes.size()), c.expected);
    }
    const uint8_t text[] = {'A', 'B', 'C', 'D'};
    EXPECT_EQ(TrimDeviceText(text, 2), L"AB");
}

TEST(AtaIdentify, ReadsSwappedStringsAndBuffer) {
    IdentifyBlock b;
    b.Text(27, 20, "ACME Disk 9000").Text(10, 10, "   SER42").Text(23, 4, "FW1.0").Word(21, 16384);
    DriveInfo info = Decode(b);
    EXPECT_EQ(info.Model, L"ACME Disk 9000");
    EXPECT_EQ(info.SerialNumber, L"   SER42");
    EXPECT_EQ(info.Firmware, L"FW1.0");
    EXPECT_EQ(info.BufferSize, 8u * 1024 * 1024);
    EXPECT_EQ(Decode(IdentifyBlock().Word(21, 0xFFFF)).BufferSize, 0u);
}

TEST(AtaIdentify, SectorFormat) {
    struct Case {
        uint16_t w106;
        uint32_t sizeInWords;  // words 117-118
        uint32_t logical, physical;
        const wchar_t* format;
    } cases[] = {
        {0x6003, 0, 512, 4096, L"512e"},
        {0x5000, 2048, 4096, 4096, L"4Kn"},
        {0x5000, 0, 4096, 4096, L"4Kn"},
        {0x4000, 0, 512, 512, L"512n"},
        {0x0000, 0, 512, 512, L"512n"},
        {0xE003, 0, 512, 512, L"512n"},   // bit 15 set: the word is not valid
        {0x6001, 0, 512, 1024, L"512n"},  // two logical per physical is not 512e
        {0x7001, 2048, 4096, 8192, L"4Kn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.w106);
        IdentifyBlock b;
        b.Word(106, c.w106).Word(117, c.sizeInWords & 0xFFFF).Word(118, c.sizeInWords >> 16);
        b.Word(60, 1000);
        DriveInfo info = Decode(b);
        EXPECT_EQ(info.LogicalSectorSize, c.logical);
        EXPECT_EQ(info.PhysicalSectorSize, c.physical);
        EXPECT_EQ(info.SectorFormat, c.format);
        EXPECT_EQ(info.Capacity, 1000u * c.logical);
    }
}

TEST(AtaIdentify, SectorCountFollowsTheLbaMode) {
    IdentifyBlock b;
    b.Word(60, 0xFFFF).Word(61, 0x0FFF).Word(100, 0x5000).Word(101, 0xD1B0).Word(102, 0x0001);
    EXPECT_EQ(Decode(b).SectorCount, 0x0FFFFFFFu);
    b.Word(83, 1 << 10);
    DriveInfo info = Decode(b);
    EXPECT_EQ(info.SectorCount, 0x1D1B05000ull);
    EXPECT_EQ(info.Capacity, 0x1D1B05000ull * 512);
}

TEST(AtaIdentify, RotationRate) {
    const std::pair<uint16_t, int> cases[] = {{7200, 7200}, {1000, 0}, {1, 1},      {0, 0},
                                              {1025, 1025}, {1024, 0}, {0xFFFE, 0xFFFE}, {0xFFFF, 0}};
    for (const auto& c : cases) EXPECT_EQ(Decode(IdentifyBlock().Word(217, c.first)).RotationRate, c.second) << c.first;
}

TEST(AtaIdentify, Standard) {
    struct Case {
        uint16_t w80;
        bool bridge;
        const wchar_t* expected;
    } cases[] = {
        {0x01F0, false, L"ATA8-ACS"},
        {0x0070, false, L"ATA/ATAPI-6"},
        {0x00F0, false, L"ATA/ATAPI-7"},
        {0x0030, false, L"ATA/ATAPI-5"},
        {0x0E00, false, L"ATA/ATAPI Compliant"},
        {0x0000, false, L"Unknown Standard"},
        {0xFFFF, false, L"Unknown Standard"},
        {0x0000, true, L"Unknown Standard (SCSI Pass-Through)"},
    };
    for (const Case& c : cases) EXPECT_EQ(Decode(IdentifyBlock().Word(80, c.w80), c.bridge).Standard, c.expected) << c.w80;
}

TEST(AtaIdentify, InterfaceAndTransferMode) {
    struct Case {
        uint16_t w76, w88;
        bool bridge;
        const wchar_t* interface;
        const wchar_t* mode;
    } cases[] = {
        {0x000E, 0, false, L"SATA", L"SATA Revision 3.0 (6.0 Gb/s)"},
        {0x0006, 0, false, L"SATA", L"SATA Revision 2.0 (3.0 Gb/s)"},
        {0x0002, 0, true, L"SATA (USB Bridge)", L"SATA Revision 1.0 (1.5 Gb/s)"},
        {0x0000, 0x007F, false, L"Parallel ATA (PATA)", L"Ultra DMA Mode 6 (UDMA133)"},
        {0xFFFF, 0x003F, false, L"Parallel ATA (PATA)", L"Ultra DMA Mode 5 (UDMA100)"},
        {0x0000, 0x001F, true, L"USB / SCSI", L"Ultra DMA Mode 4 (UDMA66)"},
        {0x0000, 0x0007, false, L"Parallel ATA (PATA)", L"Ultra DMA / Legacy PIO"},
    };
    for (const Case& c : cases) {
        DriveInfo info = Decode(IdentifyBlock().Word(76, c.w76).Word(88, c.w88), c.bridge);
        EXPECT_EQ(info.Interface, c.interface) << c.w76;
        EXPECT_EQ(info.TransferMode, c.mode) << c.w76;
    }
}

TEST(AtaIdentify, FeaturesInFixedOrder) {
    IdentifyBlock b;
    b.Word(76, 0x0100 | 0x0002).Word(82, 0x2001).Word(83, 0x4400).Word(84, 0x0001);
    DriveInfo info;
    info.Features = {L"stale"};
    DecodeAtaIdentify(b.Bytes.data(), b.Bytes.size(), false, info);
    EXPECT_EQ(info.Features, (std::vector<std::wstring>{L"S.M.A.R.T.", L"FLUSH CACHE", L"48-bit LBA", L"NOP Command",
                                                         L"S.M.A.R.T. Self-Test", L"NCQ (Native Command Queuing)"}));
    EXPECT_TRUE(Decode(IdentifyBlock()).Features.empty());
}

TEST(AtaIdentify, ShortOrGarbageBlocksStayInBounds) {
    DriveInfo info;
    DecodeAtaIdentify(nullptr, 0, false, info);
    EXPECT_EQ(info.Model, L"");
    EXPECT_EQ(info.SectorFormat, L"512n");

    std::vector<uint8_t> shortBlock(80, 'A');  // ends inside the model words 27-46
    DecodeAtaIdentify(shortBlock.data(), shortBlock.size(), false, info);
    EXPECT_EQ(info.Model, std::wstring(26, L'A'));
    EXPECT_EQ(info.SectorCount, 0u);

    std::vector<uint8_t> ones(512, 0xFF);
    DecodeAtaIdentify(ones.data(), ones.size(), false, info);
    EXPECT_EQ(info.Interface, L"Parallel ATA (PATA)");
    EXPECT_EQ(info.Standard, L"Unknown Standard");
    EXPECT_EQ(info.BufferSize, 0u);
    EXPECT_EQ(info.RotationRate, 0);
    EXPECT_EQ(info.SectorCount, UINT64_MAX);
    EXPECT_EQ(info.LogicalSectorSize, 512u);
}

// hdparm's reading of each recorded IDENTIFY block. Our texts differ from
// it by design in two ways: we keep leading blanks (hdparm strips both
// ends), and our standard text names only the highest of ATA/ATAPI-5..8.
std::vector<std::string> Tokens(const std::string& s) {
    std::istringstream in(s);
    std::vector<std::string> out;
    for (std::string t; in >> t;) out.push_back(t);
    return out;
}

std::wstring TrimLeft(std::wstring s) { return s.erase(0, s.find_first_not_of(L' ')); }

bool Has(const std::string& list, const std::string& item) { return list.find(item) != std::string::npos; }

TEST(AtaIdentify, AgreesWithReferenceReadingOfRealDrives) {
    auto rows = ReadTsv(CorpusPath("ata/EXPECTED.tsv"));
    ASSERT_GE(rows.size(), 30u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at("identify_file"));
        auto raw = ReadBytes(CorpusPath("ata/" + row.at("identify_file")));
        ASSERT_EQ(raw.size(), 512u);
        DriveInfo info;
        DecodeAtaIdentify(raw.data(), raw.size(), false, info);

        EXPECT_EQ(info.Model, Widen(row.at("hd_model")));
        EXPECT_EQ(TrimLeft(info.SerialNumber), Widen(row.at("hd_serial")));
        EXPECT_EQ(info.Firmware, Widen(row.at("hd_firmware")));

        const std::string& lba48 = row.at("hd_lba48_sectors");
        const bool has48 = std::find(info.Features.begin(), info.Features.end(), L"48-bit LBA") != info.Features.end();
        EXPECT_EQ(std::to_string(info.SectorCount), has48 ? lba48 : row.at("hd_lba28_sectors"));
        EXPECT_EQ(std::to_string(info.LogicalSectorSize) + " bytes", row.at("hd_logical_sector"));
        EXPECT_EQ(std::to_string(info.PhysicalSectorSize) + " bytes", row.at("hd_physical_sector"));

        const std::string& cache = row.at("hd_cache_buffer");
        EXPECT_EQ(info.BufferSize / 1024, cache == "unknown" ? 0u : std::stoull(cache));
        const std::string& rotation = row.at("hd_rotation_rate");
        EXPECT_EQ(info.RotationRate, rotation == "Solid State Device" ? 1 : rotation.empty() ? 0 : std::stoi(rotation));

        std::wstring standard = L"ATA/ATAPI Compliant";
        for (const std::string& t : Tokens(row.at("hd_standards_supported"))) {
            if (t == "8") { standard = L"ATA8-ACS"; break; }
            if (t == "7" || t == "6" || t == "5") { standard = L"ATA/ATAPI-" + Widen(t); break; }
        }
        EXPECT_EQ(info.Standard, standard);

        // hdparm names the transport from word 222, which older SATA drives
        // leave empty; where it does name it, it must be ours.
        const std::string& features = row.at("hd_features");
        if (Has(row.at("hd_transport"), "Serial")) {
            EXPECT_EQ(info.Interface, L"SATA");
        }
        if (info.Interface == L"SATA") {
            EXPECT_EQ(info.TransferMode, Has(features, "Gen3 signaling") ? L"SATA Revision 3.0 (6.0 Gb/s)"
                                         : Has(features, "Gen2 signaling") ? L"SATA Revision 2.0 (3.0 Gb/s)"
                                                                           : L"SATA Revision 1.0 (1.5 Gb/s)");
        } else {
            const std::string& dma = row.at("hd_dma_modes");
            EXPECT_EQ(info.TransferMode, Has(dma, "udma6") ? L"Ultra DMA Mode 6 (UDMA133)"
                                         : Has(dma, "udma5") ? L"Ultra DMA Mode 5 (UDMA100)"
                                         : Has(dma, "udma4") ? L"Ultra DMA Mode 4 (UDMA66)"
                                                             : L"Ultra DMA / Legacy PIO");
        }
        auto listed = [&](const wchar_t* name) {
            return std::find(info.Features.begin(), info.Features.end(), name) != info.Features.end();
        };
        EXPECT_EQ(listed(L"S.M.A.R.T."), Has(features, "SMART feature set"));
        EXPECT_EQ(has48, Has(features, "48-bit Address feature set"));
        EXPECT_EQ(listed(L"NCQ (Native Command Queuing)"), Has(features, "Native Command Queueing"));
    }
}

}  // namespace
