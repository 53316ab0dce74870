#include <gtest/gtest.h>

#include "smart/core/AtaSmartTable.h"
#include "smart/core/AttributeCatalog.h"
#include "tests/common/SmartBlocks.h"
#include "tests/common/TestData.h"

namespace {

DriveInfo Build(const std::vector<uint8_t>& data, const std::vector<uint8_t>* thresholds) {
    DriveInfo info;
    info.AccessKind = kAccessAta;
    BuildAtaAttributes(data.data(), data.size(), thresholds ? thresholds->data() : nullptr,
                       thresholds ? thresholds->size() : 0, info);
    return info;
}

TEST(AtaSmartTable, BuildsEntriesInTableOrderWithMatchingThresholds) {
    auto data = SmartDataBlock({{1, 100, 99, 0x0A0B0C0D0E0F, 0x000F},
                                {0, 0, 0, 0},  // unused slot in the middle
                                {194, 64, 40, 0x0000001E0F24},
                                {5, 100, 100, 24}});
    auto thresholds = ThresholdBlock({{5, 36}, {1, 6}, {5, 99}});
    DriveInfo info = Build(data, &thresholds);

    ASSERT_EQ(info.Attributes.size(), 3u);
    const SmartAttribute& first = info.Attributes[0];
    EXPECT_EQ(first.Id, 1);
    EXPECT_EQ(first.Flags, 0x000F);
    EXPECT_EQ(first.Current, 100);
    EXPECT_EQ(first.Worst, 99);
    EXPECT_EQ(first.Raw, 0x0A0B0C0D0E0Fu);
    EXPECT_EQ(first.Threshold, 6);
    EXPECT_EQ(first.Name, L"Raw Read Error Rate");
    EXPECT_EQ(info.Attributes[1].Id, 194);
    EXPECT_EQ(info.Attributes[1].Threshold, 0);
    EXPECT_EQ(info.Attributes[2].Threshold, 36);  // the first entry with the id wins
    EXPECT_EQ(info.Temperature, 0x24);             // first raw byte of 194

    DriveInfo noThresholds = Build(data, nullptr);
    for (const SmartAttribute& a : noThresholds.Attributes) EXPECT_EQ(a.Threshold, 0) << int(a.Id);
}

TEST(AtaSmartTable, BadBlocksStayInBounds) {
    std::vector<uint8_t> ones(512, 0xFF);
    DriveInfo info = Build(ones, &ones);
    ASSERT_EQ(info.Attributes.size(), 30u);
    EXPECT_EQ(info.Attributes[0].Raw, 0xFFFFFFFFFFFFu);
    EXPECT_EQ(info.Attributes[0].Threshold, 0xFF);
    EXPECT_EQ(info.Attributes[0].Name, L"Vendor Specific Attribute");

    // A block cut after the second entry keeps the whole entries only.
    auto data = SmartDataBlock({{9, 100, 100, 1}, {12, 100, 100, 2}, {194, 30, 30, 30}});
    data.resize(2 + 12 * 2 + 5);
    auto thresholds = ThresholdBlock({{7, 1}, {9, 20}});
    thresholds.resize(2 + 12);  // the entry for 9 is cut off
    info = Build(data, &thresholds);
    ASSERT_EQ(info.Attributes.size(), 2u);
    EXPECT_EQ(info.Attributes[0].Threshold, 0);
    EXPECT_EQ(info.Temperature, 0);

    info = Build(std::vector<uint8_t>(), nullptr);
    EXPECT_TRUE(info.Attributes.empty());
}

TEST(AttributeCatalog, NamesByIdAndAccessKind) {
    struct Case {
        int id;
        int kind;
        const wchar_t* name;
    } cases[] = {
        {0, kAccessAta, L"Vendor Specific Attribute"},
        {255, kAccessAta, L"Vendor Specific Attribute"},
        {210, kAccessAta, L"Vendor Specific Attribute"},
        {22, kAccessAta, L"Current Helium Level"},
        {194, kAccessBridge, L"Temperature"},
        {226, kAccessAta, L"Load 'In'-time"},
        {254, kAccessAta, L"Free Fall Protection"},
        {176, kAccessAta, L"Erase Fail Count"},
        {1, kAccessNvme, L"Critical Warning"},
        {5, kAccessNvme, L"Percentage Used (Life Spent)"},
        {21, kAccessNvme, L"Total Time For Thermal Management Temp 2 Residence"},
        {22, kAccessNvme, L"NVMe Vendor Specific Parameter"},
        {0, kAccessNvme, L"NVMe Vendor Specific Parameter"},
    };
    for (const Case& c : cases) EXPECT_EQ(GetAttributeName(uint8_t(c.id), c.kind), c.name) << c.id << "/" << c.kind;
}

// skdump's listing of each recorded attribute table. It skips the same
// unused (id 0) entries we do; it writes "n/a" for a missing threshold,
// which we hold as 0, and for current/worst bytes outside 1..253, which
// are then not compared.
TEST(AtaSmartTable, AgreesWithReferenceReadingOfRealDrives) {
    auto drives = ReadTsv(CorpusPath("ata/EXPECTED.tsv"));
    auto expected = ReadTsv(CorpusPath("ata/EXPECTED-attributes.tsv"));
    size_t compared = 0;
    for (const auto& drive : drives) {
        if (drive.at("smart_data_file").empty()) continue;
        SCOPED_TRACE(drive.at("skblob"));
        auto data = ReadBytes(CorpusPath("ata/" + drive.at("smart_data_file")));
        auto thresholds = ReadBytes(CorpusPath("ata/" + drive.at("smart_thresholds_file")));
        DriveInfo info = Build(data, &thresholds);

        std::vector<TsvRow> rows;
        for (const auto& r : expected) {
            if (r.at("skblob") == drive.at("skblob")) rows.push_back(r);
        }
        ASSERT_EQ(info.Attributes.size(), rows.size());
        int temperature = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            const SmartAttribute& a = info.Attributes[i];
            const TsvRow& r = rows[i];
            SCOPED_TRACE(r.at("id"));
            EXPECT_EQ(std::to_string(a.Id), r.at("id"));
            if (r.at("current") != "n/a") {
                EXPECT_EQ(std::to_string(a.Current), r.at("current"));
            }
            if (r.at("worst") != "n/a") {
                EXPECT_EQ(std::to_string(a.Worst), r.at("worst"));
            }
            EXPECT_EQ(std::to_string(a.Threshold), r.at("threshold") == "n/a" ? "0" : r.at("threshold"));
            EXPECT_EQ(std::to_string(a.Raw), r.at("raw48_le"));
            if (a.Id == 194) temperature = std::stoi(r.at("raw_bytes_hex").substr(0, 2), nullptr, 16);
            ++compared;
        }
        EXPECT_EQ(info.Temperature, temperature);
        // Where skdump took its drive temperature from attribute 194, it is ours.
        const std::string& sk = drive.at("sk_temperature");
        if (temperature != 0 && !sk.empty() && std::isdigit(static_cast<unsigned char>(sk[0])) &&
            std::stoi(sk) == temperature) {
            EXPECT_EQ(std::to_string(info.Temperature) + ".0 C", sk);
        }
    }
    EXPECT_GT(compared, 400u);
}

}  // namespace
