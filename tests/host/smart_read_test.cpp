#include <gtest/gtest.h>

#include "smart/core/DriveReader.h"
#include "smart/core/HealthStatus.h"
#include "smart/core/NvmeData.h"
#include "smart/core/ScsiReply.h"
#include "tests/common/FakeDriveIo.h"
#include "tests/common/SmartBlocks.h"
#include "tests/common/TestData.h"

namespace {

std::vector<uint8_t> Corpus(const std::string& name) { return ReadBytes(CorpusPath(name)); }

const char* kHitachi = "ata/Hitachi_HDS721010CLA632";

FakeDrive HitachiOnSata() {
    const std::string base = kHitachi;
    return FakeDrive::Ata(Corpus(base + ".identify.bin"), Corpus(base + ".smart-data.bin"),
                          Corpus(base + ".smart-thresholds.bin"));
}

std::vector<uint8_t> Inquiry(const std::string& vendor, const std::string& product, const std::string& revision) {
    std::vector<uint8_t> b(36, ' ');
    b[0] = 0;
    for (size_t i = 0; i < vendor.size() && i < 8; ++i) b[8 + i] = uint8_t(vendor[i]);
    for (size_t i = 0; i < product.size() && i < 16; ++i) b[16 + i] = uint8_t(product[i]);
    for (size_t i = 0; i < revision.size() && i < 4; ++i) b[32 + i] = uint8_t(revision[i]);
    return b;
}

class ReadDriveInfoTest : public ::testing::Test {
protected:
    FakeDriveIo io;
    DriveInfo info;

    void SetUp() override {
        io.Roots = {{L"C:\\", L"\\Device\\HarddiskVolume2", {0}},
                    {L"D:\\", L"\\Device\\Harddisk1\\Partition1", {}},
                    {L"E:\\", L"\\Device\\HarddiskVolume7", {1, 3}}};
    }
};

TEST_F(ReadDriveInfoTest, AtaDriveThroughSmartRequests) {
    io.Drives[0] = HitachiOnSata();
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.DriveNumber, 0);
    EXPECT_EQ(info.AccessKind, kAccessAta);
    EXPECT_EQ(info.Model, L"Hitachi HDS721010CLA632");
    EXPECT_EQ(info.SerialNumber, L"      JP2940J82ZYLXV");
    EXPECT_EQ(info.Interface, L"SATA");
    EXPECT_EQ(info.Standard, L"ATA8-ACS");
    EXPECT_EQ(info.RotationRate, 7200);
    EXPECT_EQ(info.Capacity, 1953525168ull * 512);
    EXPECT_EQ(info.DriveLetters, L"C:\\");
    EXPECT_EQ(info.Temperature, 30);
    ASSERT_FALSE(info.Attributes.empty());
    EXPECT_EQ(info.Attributes[0].Name, L"Raw Read Error Rate");
    EXPECT_EQ(info.Attributes[0].Threshold, 16);
    EXPECT_EQ(io.Drives[0].Log, (std::vector<std::string>{"property", "smart-version", "smart 00 EC",
                                                           "smart D0 B0", "smart D1 B0"}));
    EXPECT_EQ(io.Drives[0].OpenHandles, 0);
    // This drive packs more than a count into attribute 5's raw field, which
    // the sector rule reads as millions of reallocated sectors.
    HealthStatus h = EvaluateHealth(info);
    EXPECT_EQ(h.Text, L"Warning");
    EXPECT_EQ(h.Percent, 1);
}

TEST_F(ReadDriveInfoTest, AtaDriveWhoseThresholdReadFails) {
    io.Drives[1] = HitachiOnSata();
    io.Drives[1].Smart.erase({FakeDrive::kReadThresholds, FakeDrive::kSmart});
    ASSERT_TRUE(ReadDriveInfo(io, 1, info));
    ASSERT_FALSE(info.Attributes.empty());
    for (const SmartAttribute& a : info.Attributes) EXPECT_EQ(a.Threshold, 0) << int(a.Id);
    EXPECT_EQ(info.DriveLetters, L"D:\\, E:\\");
}

TEST_F(ReadDriveInfoTest, AtaFailuresLeaveWhatWasRead) {
    // The S.M.A.R.T. data cannot be read: identification stays, no attributes.
    io.Drives[0] = HitachiOnSata();
    io.Drives[0].Smart.erase({FakeDrive::kReadData, FakeDrive::kSmart});
    info.Attributes.push_back(SmartAttribute());
    info.AccessKind = kAccessNvme;
    EXPECT_FALSE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.Model, L"Hitachi HDS721010CLA632");
    EXPECT_TRUE(info.Attributes.empty());
    EXPECT_EQ(EvaluateHealth(info).Text, L"Unknown");

    // No S.M.A.R.T. version: nothing is read at all.
    io.Drives[2] = HitachiOnSata();
    io.Drives[2].SmartVersion = false;
    DriveInfo other;
    EXPECT_FALSE(ReadDriveInfo(io, 2, other));
    EXPECT_EQ(other.Model, L"");
    EXPECT_EQ(other.DriveNumber, 2);
    EXPECT_EQ(other.AccessKind, kAccessAta);
}

TEST_F(ReadDriveInfoTest, DriveThatCannotBeOpenedOrQueried) {
    info.Model = L"kept";
    info.Attributes.push_back(SmartAttribute());
    info.AccessKind = kAccessAta;
    EXPECT_FALSE(ReadDriveInfo(io, 5, info));  // no such drive
    EXPECT_EQ(info.DriveNumber, 5);
    EXPECT_EQ(info.AccessKind, kAccessNone);
    EXPECT_TRUE(info.Attributes.empty());
    EXPECT_EQ(info.Model, L"kept");

    io.Drives[0] = HitachiOnSata();
    io.Drives[0].Opens = false;
    EXPECT_FALSE(ReadDriveInfo(io, 0, info));
    io.Drives[0].Opens = true;
    io.Drives[0].PropertyFails = true;
    EXPECT_FALSE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.AccessKind, kAccessNone);
    EXPECT_EQ(io.Drives[0].OpenHandles, 0);
}

TEST_F(ReadDriveInfoTest, UsbBridgeAnsweringOnlyTheSixteenByteCommand) {
    const std::string base = "ata/WDC_WD5000AAKS--00TMA0-12.01C01";
    io.Drives[3] = FakeDrive::Bridge16(Corpus(base + ".identify.bin"), Corpus(base + ".smart-data.bin"),
                                       Corpus(base + ".smart-thresholds.bin"));
    ASSERT_TRUE(ReadDriveInfo(io, 3, info));
    EXPECT_EQ(info.AccessKind, kAccessBridge);
    EXPECT_EQ(info.Model, L"WDC WD5000AAKS-00TMA0");
    EXPECT_EQ(info.Interface, L"SATA (USB Bridge)");
    EXPECT_EQ(info.DriveLetters, L"E:\\");
    EXPECT_EQ(info.Temperature, 40);
    ASSERT_GE(info.Attributes.size(), 4u);
    EXPECT_EQ(info.Attributes[3].Id, 5);
    EXPECT_EQ(info.Attributes[3].Threshold, 140);
    HealthStatus h = EvaluateHealth(info);  // 63 reallocated + 529 pending
    EXPECT_EQ(h.Percent, 41);
    EXPECT_EQ(h.Text, L"Warning");
    // The 12-byte IDENTIFY is refused, so its SMART READ is never sent.
    EXPECT_EQ(io.Drives[3].Log,
              (std::vector<std::string>{"property", "scsi A1", "scsi 85", "scsi 85", "scsi 85"}));
}

TEST_F(ReadDriveInfoTest, PassThroughRefusedAfterIdentifyFallsBackToTheOtherVariant) {
    // The 12-byte IDENTIFY works but its SMART READ does not: the whole
    // 16-byte sequence is sent.
    const std::string base = kHitachi;
    io.Drives[0] = FakeDrive::Bridge16(Corpus(base + ".identify.bin"), Corpus(base + ".smart-data.bin"),
                                       Corpus(base + ".smart-thresholds.bin"));
    io.Drives[0].Scsi[FakeDrive::Cdb12(0, FakeDrive::kIdentify)] = FakeDrive::Good(std::vector<uint8_t>(512, 0));
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.Model, L"Hitachi HDS721010CLA632");
    EXPECT_EQ(io.Drives[0].Log,
              (std::vector<std::string>{"property", "scsi A1", "scsi A1", "scsi 85", "scsi 85", "scsi 85"}));
}

TEST_F(ReadDriveInfoTest, UsbStickKnownOnlyByInquiry) {
    std::vector<uint8_t> log(64, 0);
    log[0] = 0x2F;
    log[10] = 0x11;
    log[12] = 0x22;
    io.Drives[1] = FakeDrive::UsbStick(Inquiry("SanStick", "Cruiser Blade", "1.00"), log);
    ASSERT_TRUE(ReadDriveInfo(io, 1, info));
    EXPECT_EQ(info.AccessKind, kAccessBridge);
    EXPECT_EQ(info.Model, L"SanStick Cruiser Blade");
    EXPECT_EQ(info.SerialNumber, L"USB Flash Drive Link");
    EXPECT_EQ(info.Firmware, L"1.00");
    EXPECT_EQ(info.Interface, L"USB (Legacy)");
    EXPECT_EQ(info.Standard, L"SCSI SPC Compliant");
    EXPECT_EQ(info.Temperature, 0x22);
    EXPECT_EQ(info.DriveLetters, L"D:\\, E:\\");
    EXPECT_TRUE(info.Attributes.empty());
    EXPECT_EQ(io.Drives[1].Log,
              (std::vector<std::string>{"property", "scsi A1", "scsi 85", "scsi 12", "scsi 4D"}));
}

TEST_F(ReadDriveInfoTest, InquiryAndLogSenseEdges) {
    // A short INQUIRY answer gives empty parts; a LOG SENSE of another page
    // or of fewer than 13 bytes leaves the temperature alone.
    std::vector<uint8_t> shortLog(12, 0);
    shortLog[0] = 0x2F;
    io.Drives[0] = FakeDrive::UsbStick(std::vector<uint8_t>(20, 'x'), shortLog);
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.Model, L" ");
    EXPECT_EQ(info.Firmware, L"");
    EXPECT_EQ(info.Temperature, 0);

    int temperature = 7;
    std::vector<uint8_t> otherPage(64, 0x33);
    otherPage[0] = 0x0D;
    EXPECT_FALSE(ReadLogSenseTemperature(otherPage.data(), otherPage.size(), temperature));
    EXPECT_FALSE(ReadLogSenseTemperature(nullptr, 0, temperature));
    EXPECT_EQ(temperature, 7);

    // No INQUIRY either: the bridge path gives up and the ATA path is tried.
    io.Drives[1] = FakeDrive::UsbStick({});
    io.Drives[1].Scsi.clear();
    EXPECT_FALSE(ReadDriveInfo(io, 1, info));
    EXPECT_EQ(info.AccessKind, kAccessAta);
}

TEST_F(ReadDriveInfoTest, ScsiBusDriveAnsweringOnlySmartRequests) {
    io.Drives[0] = HitachiOnSata();
    io.Drives[0].BusType = 1;
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.AccessKind, kAccessAta);
    EXPECT_EQ(info.Interface, L"SATA");
    EXPECT_EQ(io.Drives[0].Log.back(), "smart D1 B0");
}

TEST_F(ReadDriveInfoTest, NvmeDrive) {
    io.Drives[0] = FakeDrive::NvmeDrive(Corpus("nvme/ecclesia-samsung-pm1733-anon.id-ctrl.bin"),
                                        Corpus("nvme/ecclesia-nvme-ssd.smart-log.bin"));
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.AccessKind, kAccessNvme);
    EXPECT_EQ(info.Model, L"ABCDEFGHIJKL-000GG");
    EXPECT_EQ(info.SerialNumber, L"S5L0NYZM9A0014");
    EXPECT_EQ(info.Firmware, L"MPKD0P21");
    EXPECT_EQ(info.Capacity, 3840755982336ull);
    EXPECT_EQ(info.SectorCount, 3840755982336ull / 512);
    EXPECT_EQ(info.Temperature, 41);
    EXPECT_EQ(info.SectorFormat, L"512e");
    EXPECT_EQ(info.RotationRate, 1);
    EXPECT_EQ(info.Interface, L"NVMe (PCIe Bus)");
    EXPECT_EQ(info.DriveLetters, L"C:\\");
    EXPECT_EQ(info.Features.size(), 4u);
    ASSERT_EQ(info.Attributes.size(), 4u);
    const uint64_t raws[] = {0, 0, 1044, 15};
    const uint8_t ids[] = {1, 5, 6, 7};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(info.Attributes[i].Id, ids[i]);
        EXPECT_EQ(info.Attributes[i].Raw, raws[i]);
    }
    EXPECT_EQ(info.Attributes[1].Current, 100);
    EXPECT_EQ(info.Attributes[1].Threshold, 10);
    EXPECT_EQ(info.Attributes[1].Name, L"Percentage Used (Life Spent)");
    HealthStatus h = EvaluateHealth(info);
    EXPECT_EQ(h.Percent, 100);
    EXPECT_EQ(h.Text, L"Good");
}

TEST_F(ReadDriveInfoTest, NvmeDriveWithoutIdentifyOrLog) {
    io.Drives[0] = FakeDrive::NvmeDrive({}, NvmeHealthLog(0, 0, 120));
    ASSERT_TRUE(ReadDriveInfo(io, 0, info));
    EXPECT_EQ(info.Model, L"Generic NVMe SSD");
    EXPECT_EQ(info.SerialNumber, L"NVMe_SN_Unknown");
    EXPECT_EQ(info.Firmware, L"N/A");
    EXPECT_EQ(info.Capacity, 0u);
    EXPECT_EQ(info.SectorCount, 0u);
    EXPECT_EQ(info.Temperature, 0);  // 0 kelvin: no sensor, not -273
    EXPECT_EQ(info.Attributes[1].Current, 0);
    EXPECT_EQ(EvaluateHealth(info).Text, L"Warning (Low Endurance Remaining)");

    io.Drives[1] = FakeDrive::NvmeDrive(Corpus("nvme/toshiba-thnsn5512gpu7.id-ctrl.bin"), {});
    DriveInfo other;
    EXPECT_FALSE(ReadDriveInfo(io, 1, other));
    EXPECT_TRUE(other.Attributes.empty());
}

// The decoding recorded by the data's authors. The TOSHIBA controller
// reports its serial right-aligned; we keep leading blanks, they do not.
TEST(NvmeData, AgreesWithRecordedDecoding) {
    auto rows = ReadTsv(CorpusPath("nvme/EXPECTED.tsv"));
    ASSERT_EQ(rows.size(), 3u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at("file"));
        auto raw = Corpus("nvme/" + row.at("file"));
        DriveInfo info;
        info.AccessKind = kAccessNvme;
        if (row.at("kind") == "identify-controller") {
            uint64_t capacity = 1;
            DecodeNvmeIdentify(raw.data(), raw.size(), info, capacity);
            EXPECT_EQ(info.SerialNumber.substr(info.SerialNumber.find_first_not_of(L' ')), Widen(row.at("sn_trimmed")));
            EXPECT_EQ(info.Model, Widen(row.at("mn_trimmed")));
            EXPECT_EQ(info.Firmware, Widen(row.at("fr_trimmed")));
            EXPECT_EQ(std::to_string(capacity), row.at("tnvmcap"));
        } else {
            DecodeNvmeHealthLog(raw.data(), raw.size(), 0, info);
            EXPECT_EQ(std::to_string(info.Temperature), row.at("temperature_celsius_k_minus_273"));
            ASSERT_EQ(info.Attributes.size(), 4u);
            EXPECT_EQ(info.Attributes[0].Raw, std::stoull(row.at("critical_warning"), nullptr, 16));
            EXPECT_EQ(std::to_string(info.Attributes[1].Raw), row.at("percent_used"));
            EXPECT_EQ(std::to_string(info.Attributes[2].Raw), row.at("data_units_read"));
            EXPECT_EQ(std::to_string(info.Attributes[3].Raw), row.at("data_units_written"));
        }
    }
}

TEST(NvmeData, DecodesRecordedBlocksAndBadAnswers) {
    auto id = Corpus("nvme/toshiba-thnsn5512gpu7.id-ctrl.bin");
    DriveInfo info;
    uint64_t capacity = 1;

    std::vector<uint8_t> ones(4096, 0xFF);
    info.AccessKind = kAccessNvme;
    DecodeNvmeIdentify(ones.data(), ones.size(), info, capacity);
    EXPECT_EQ(capacity, UINT64_MAX);
    DecodeNvmeHealthLog(ones.data(), ones.size(), capacity, info);
    EXPECT_EQ(info.SectorCount, UINT64_MAX / 512);
    EXPECT_EQ(info.Temperature, 0xFFFF - 273);
    EXPECT_EQ(info.Attributes[1].Current, 0);
    EXPECT_EQ(EvaluateHealth(info).Text, L"Bad");

    // Answers cut short read as zeros past their end.
    DecodeNvmeIdentify(id.data(), 30, info, capacity);
    EXPECT_EQ(info.Model, L"THNSN5");
    EXPECT_EQ(info.Firmware, L"");
    auto log = NvmeHealthLog(0, 300, 3, 0x1122334455667788ull);
    DecodeNvmeHealthLog(log.data(), 36, 0, info);
    EXPECT_EQ(info.Temperature, 27);
    EXPECT_EQ(info.Attributes[2].Raw, 0x55667788u);
    DecodeNvmeHealthLog(nullptr, 0, 0, info);
    EXPECT_EQ(info.Attributes.size(), 4u);
}

TEST(ScsiReply, CommandSuccess) {
    const std::vector<uint8_t> none;
    const std::vector<uint8_t> illegalRequest = {0x70, 0, 0x05, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0x20, 0};
    // ATA PASS-THROUGH with its check-condition bit: recovered error,
    // "ATA pass-through information available", and an ATA return descriptor.
    std::vector<uint8_t> ataGood = {0x72, 0x01, 0x00, 0x1D, 0, 0, 0, 14, 0x09, 12, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x50};
    std::vector<uint8_t> ataError = ataGood;
    ataError[21] = 0x51;
    const std::vector<uint8_t> fixedAtaGood = {0x70, 0, 0x01, 0, 0x50, 0, 1, 10, 0, 0, 0, 0, 0x00, 0x1D};
    const std::vector<uint8_t> fixedAtaError = {0x70, 0, 0x01, 0x04, 0x51, 0, 1, 10, 0, 0, 0, 0, 0x00, 0x1D};
    const std::vector<uint8_t> truncatedDescriptor = {0x72, 0x01, 0x00, 0x1D, 0, 0, 0, 40, 0x09, 12, 0};
    struct Case {
        uint8_t status;
        const std::vector<uint8_t>* sense;
        bool ok;
    } cases[] = {
        {0x00, &none, true},          {0x02, &none, false},         {0x02, &illegalRequest, false},
        {0x02, &ataGood, true},       {0x02, &ataError, false},     {0x02, &fixedAtaGood, true},
        {0x02, &fixedAtaError, false}, {0x08, &none, false},        {0x02, &truncatedDescriptor, true},
    };
    for (size_t i = 0; i < sizeof(cases) / sizeof(cases[0]); ++i) {
        EXPECT_EQ(ScsiCommandSucceeded(cases[i].status, *cases[i].sense), cases[i].ok) << i;
    }
}

TEST(DriveList, ParsesPhysicalDriveNames) {
    std::vector<std::wstring> names = {L"PhysicalDrive10", L"C:",          L"PhysicalDrive2",
                                       L"PhysicalDrive",   L"PhysicalDriveX", L"PhysicalDrive1a",
                                       L"PhysicalDrive99999999999", L"PhysicalDrive0", L"physicaldrive3"};
    EXPECT_EQ(ParsePhysicalDriveNumbers(names), (std::vector<int>{0, 2, 10}));

    FakeDriveIo io;
    io.Drives[3];
    io.Drives[1];
    EXPECT_EQ(ListPhysicalDrives(io), (std::vector<int>{1, 3}));
    io.NamesFail = true;
    EXPECT_TRUE(ListPhysicalDrives(io).empty());
}

TEST(DriveList, DriveLettersByDevicePathOrVolumeDisks) {
    struct Case {
        const wchar_t* path;
        std::vector<int> disks;
        int drive;
        bool belongs;
    } cases[] = {
        {L"\\Device\\Harddisk1\\Partition2", {}, 1, true},
        {L"\\Device\\Harddisk11\\Partition2", {}, 1, false},
        {L"\\Device\\Harddisk0\\DR0", {}, 0, true},
        {L"\\Device\\Harddisk1\\DR1", {}, 1, false},
        {L"\\Device\\HarddiskVolume1", {}, 0, false},
        {L"\\Device\\HarddiskVolume1", {2, 0}, 0, true},
        {L"", {}, 0, false},
    };
    for (const Case& c : cases) EXPECT_EQ(DriveRootBelongsTo(c.path, c.disks, c.drive), c.belongs) << c.path;

    FakeDriveIo io;
    EXPECT_EQ(GetDriveLetters(io, 0), L"N/A");
}

}  // namespace
