#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "collectors/core/CDumpSMBIOS.h"
#include "collectors/core/SmbiosWalk.h"
#include "common/Format.h"
#include "tests/common/TestData.h"

namespace {

// The bytes in a heap block of exactly their size, so the sanitizer sees a
// read one past the end (a vector may hold spare capacity behind its size).
std::unique_ptr<uint8_t[]> ExactCopy(const std::vector<uint8_t>& bytes) {
    std::unique_ptr<uint8_t[]> block(new uint8_t[bytes.size()]);
    std::copy(bytes.begin(), bytes.end(), block.get());
    return block;
}

TEST(SmbiosWalk, AgreesWithReferenceReadingOfRealTables) {
    auto rows = ReadTsv(CorpusPath("smbios/EXPECTED.tsv"));
    ASSERT_GE(rows.size(), 20u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at("rsmb_file"));
        auto raw = ReadBytes(CorpusPath("smbios/" + row.at("rsmb_file")));
        ASSERT_GT(raw.size(), 8u);
        CDumpSMBIOS dump;
        size_t visited = WalkSmbiosTable(ExactCopy(raw).get(), raw.size(), dump);

        EXPECT_EQ(std::to_string(dump.MajorVersion) + "." + std::to_string(dump.MinorVersion),
                  row.at("rsmb_major_minor"));
        EXPECT_EQ(std::to_string(visited), row.at("handles_decoded"));
        EXPECT_EQ(dump.BiosVersion, Widen(row.at("bios_version")));
        if (row.at("t17_count") != "0") {
            EXPECT_EQ(Format(L"0x%02X", dump.DeviceMemoryType), Widen(row.at("t17_last_type_raw")));
        }
        if (row.at("t6_count") != "0") {
            const std::string& words = row.at("t6_current_type_raw");
            EXPECT_EQ(Format(L"0x%04X", dump.ModuleMemoryType), Widen(words.substr(words.rfind(',') + 1)));
        }
    }
}

// A small table: header + BIOS (type 0) + memory device (type 17) + end.
std::vector<uint8_t> SampleTable() {
    std::vector<uint8_t> t = {0, 3, 0, 0, 0, 0, 0, 0};
    std::vector<uint8_t> bios = {0, 0x18, 0, 0, 1, 2, 0, 0};
    bios.resize(0x18, 0);
    for (char c : std::string("Vendor")) bios.push_back(c);
    bios.push_back(0);
    for (char c : std::string("1.23")) bios.push_back(c);
    bios.insert(bios.end(), {0, 0});
    std::vector<uint8_t> dev(0x15, 0);
    dev[0] = 17;
    dev[1] = 0x15;
    dev[0x12] = 0x1A;
    dev.insert(dev.end(), {0, 0});
    std::vector<uint8_t> end = {127, 4, 0, 0, 0, 0};
    t.insert(t.end(), bios.begin(), bios.end());
    t.insert(t.end(), dev.begin(), dev.end());
    t.insert(t.end(), end.begin(), end.end());
    uint32_t len = static_cast<uint32_t>(t.size() - 8);
    for (int i = 0; i < 4; ++i) t[4 + i] = static_cast<uint8_t>(len >> (8 * i));
    return t;
}

TEST(SmbiosWalk, ReadsAWellFormedTable) {
    auto t = SampleTable();
    CDumpSMBIOS dump;
    EXPECT_EQ(WalkSmbiosTable(ExactCopy(t).get(), t.size(), dump), 3u);
    EXPECT_EQ(dump.BiosVersion, L"1.23");
    EXPECT_EQ(dump.GetMemoryType(), L"DDR4");
}

TEST(SmbiosWalk, MalformedBuffersEndTheWalkSafely) {
    // Each case is cut or corrupted so that honest reading would leave the
    // buffer; copies are exact-size heap blocks so the sanitizer sees any overrun.
    auto base = SampleTable();
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", {}});
    cases.push_back({"header only", {0, 3, 0, 0, 0, 0, 0, 0}});
    cases.push_back({"short header", {0, 3, 0, 0, 9}});
    auto longLength = base;
    longLength[4] = 0xFF, longLength[5] = 0xFF, longLength[6] = 0xFF, longLength[7] = 0x7F;
    cases.push_back({"length past the buffer", longLength});
    auto zeroLen = base;
    zeroLen[8 + 1] = 0;
    cases.push_back({"formatted length zero", zeroLen});
    auto hugeLen = base;
    hugeLen[8 + 1] = 0xFF;
    cases.push_back({"formatted length past the table", hugeLen});
    std::vector<uint8_t> noDoubleZero = {0, 3, 0, 0, 12, 0, 0, 0, 1, 4, 0, 0, 'a', 0, 'b', 0, 'c', 0, 'd', 'e'};
    cases.push_back({"no double zero", noDoubleZero});
    auto truncated = base;
    truncated.resize(base.size() - 9);
    cases.push_back({"cut in a string area", truncated});
    auto noEnd = base;
    noEnd.resize(noEnd.size() - 6);
    uint32_t len = static_cast<uint32_t>(noEnd.size() - 8);
    noEnd[4] = static_cast<uint8_t>(len);
    cases.push_back({"no end-of-table structure", noEnd});

    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<uint8_t[]> exact = ExactCopy(c.bytes);
        CDumpSMBIOS dump;
        WalkSmbiosTable(c.bytes.empty() ? nullptr : exact.get(), c.bytes.size(), dump);
    }
    // The table without an end marker is still walked up to its length.
    CDumpSMBIOS dump;
    EXPECT_EQ(WalkSmbiosTable(ExactCopy(noEnd).get(), noEnd.size(), dump), 2u);
    EXPECT_EQ(dump.DeviceMemoryType, 0x1A);
}

}  // namespace
