#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "collectors/core/CalendarFields.h"
#include "collectors/core/SoftwareRules.h"

namespace {

// The platform's test: hierarchical on major, minor, service pack.
VersionTest RunningOn(unsigned major, unsigned minor, unsigned sp) {
    return [=](unsigned M, unsigned m, unsigned s) {
        if (major != M) return major > M;
        if (minor != m) return minor > m;
        return sp >= s;
    };
}

TEST(WindowsName, GenerationFromVersionAndBuild) {
    const std::wstring b22000 = L"22000", b19045 = L"19045", b22631 = L"22631\x00e9", junk = L"abc";
    struct Case {
        unsigned major, minor;
        const std::wstring* build;
        const wchar_t* name;
    };
    const Case cases[] = {
        {10, 0, &b22000, L"Windows 11"}, {10, 0, &b19045, L"Windows 10"}, {10, 0, nullptr, L"Windows 10"},
        {10, 0, &b22631, L"Windows 11"}, {10, 0, &junk, L"Windows 10"},   {6, 3, nullptr, L"Windows 8.1"},
        {6, 2, nullptr, L"Windows 8"},   {6, 1, nullptr, L"Windows 7"},   {6, 0, nullptr, L"Windows Vista"},
        {5, 1, nullptr, L"Windows XP"},  {5, 0, nullptr, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WindowsGenerationName(RunningOn(c.major, c.minor, 0), c.build), c.name)
            << c.major << "." << c.minor;
}

TEST(ServicePack, OnlySystemsWithNumberedServicePacksGetOne) {
    struct Case {
        unsigned major, minor, sp;
        const wchar_t* text;
    };
    const Case cases[] = {
        {6, 1, 1, L"1"}, {6, 1, 0, L""}, {6, 0, 1, L"1"}, {6, 0, 2, L"2"}, {6, 0, 0, L""},
        {5, 1, 0, L""},  {5, 1, 1, L"1"}, {5, 1, 2, L"2"}, {5, 1, 3, L"3"}, {5, 2, 2, L"3"},
        {6, 2, 0, L""},  {6, 3, 0, L""}, {10, 0, 0, L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ServicePackText(RunningOn(c.major, c.minor, c.sp)), c.text)
            << c.major << "." << c.minor << " SP" << c.sp;
}

TEST(Bitness, SixtyFourBitProgramsAndWow64MeanASixtyFourBitSystem) {
    EXPECT_EQ(BitnessText(false, false), L"32");
    EXPECT_EQ(BitnessText(false, true), L"64");
    EXPECT_EQ(BitnessText(true, false), L"64");
}

TEST(Edition, SkuTable) {
    EXPECT_EQ(EditionName(48), L"Pro");
    EXPECT_EQ(EditionName(28), L"Ultimate N");
    EXPECT_EQ(EditionName(129), L"Enterprise 2015 LTSB Evaluationv");
    EXPECT_EQ(EditionName(57), L"");
    EXPECT_EQ(EditionName(191), L"IoT Enterprise LTSC");
    EXPECT_EQ(EditionName(200), L"");
}

TEST(SoftwareTexts, DatesPutTheYearFirstAndPadAsTheirFormatsSay) {
    CalendarFields t;
    t.year = 2021, t.month = 5, t.day = 4, t.hour = 13, t.minute = 5, t.second = 9;
    EXPECT_EQ(InstallDateText(t), L"2021/05/4 13:05:09");
    EXPECT_EQ(EventTimeText(t), L"2021-5-4 13:05:09");
    EXPECT_EQ(EventTypeName(16), L"Audit Failure");
    EXPECT_EQ(EventTypeName(3), L"");
}

// An event-log record: header, source name, a computer name, padding.
std::vector<uint8_t> EventRecord(uint32_t time, uint32_t id, uint16_t type, const std::wstring& source,
                                 uint32_t claimedLength = 0) {
    std::vector<uint8_t> r(kEventRecordHeaderSize, 0);
    for (wchar_t c : source + L'\0' + L"HOST" + L'\0') {
        r.push_back(static_cast<uint8_t>(c));
        r.push_back(static_cast<uint8_t>(c >> 8));
    }
    while (r.size() % 4) r.push_back(0);
    r.insert(r.end(), 4, 0);  // trailing length copy
    const uint32_t length = claimedLength ? claimedLength : static_cast<uint32_t>(r.size());
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) r[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put32(0, length);
    put32(4, 0x654c664c);
    put32(12, time);
    put32(20, id);
    r[24] = static_cast<uint8_t>(type), r[25] = static_cast<uint8_t>(type >> 8);
    return r;
}

std::vector<EventLogRecord> Parse(const std::vector<uint8_t>& bytes, size_t limit) {
    // An exact-size heap copy, so the sanitizer sees any read past the end.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[bytes.size() + 1]);
    if (!bytes.empty()) std::memcpy(exact.get(), bytes.data(), bytes.size());
    std::vector<EventLogRecord> out;
    ParseEventLogRecords(exact.get(), bytes.size(), limit, &out);
    return out;
}

TEST(EventLogParser, ReadsRecordsInOrderUpToTheLimit) {
    std::vector<uint8_t> buffer;
    for (uint32_t i = 0; i < 12; ++i) {
        auto r = EventRecord(1600000000 + i, 0x80000000u | (7000 + i), 4, L"Service Control Manager");
        buffer.insert(buffer.end(), r.begin(), r.end());
    }
    auto three = Parse(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 3 * EventRecord(0, 0, 0,
                                                    L"Service Control Manager").size()), 10);
    ASSERT_EQ(three.size(), 3u);
    auto ten = Parse(buffer, 10);
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten[0].timeGenerated, 1600000000u);
    EXPECT_EQ(ten[9].eventId & 0xFFFF, 7009u);
    EXPECT_EQ(ten[9].eventType, 4);
    EXPECT_EQ(ten[9].source, L"Service Control Manager");
}

TEST(EventLogParser, BadLengthsEndTheParseInsideTheBuffer) {
    auto good = EventRecord(1, 2, 1, L"Disk");
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        size_t expected;
    };
    std::vector<Case> cases;
    auto zero = good;
    zero.insert(zero.end(), good.begin(), good.end());
    std::fill(zero.begin() + good.size(), zero.begin() + good.size() + 4, 0);
    cases.push_back({"length 0 after a good record", zero, 1});
    cases.push_back({"length past the bytes read", EventRecord(1, 2, 1, L"Disk", 4096), 0});
    cases.push_back({"length shorter than the header", EventRecord(1, 2, 1, L"Disk", 24), 0});
    cases.push_back({"cut inside the header", std::vector<uint8_t>(good.begin(), good.begin() + 30), 0});
    cases.push_back({"empty", {}, 0});
    // A source name without its terminator stops at the record's end.
    std::vector<uint8_t> unterminated(kEventRecordHeaderSize, 0);
    for (int i = 0; i < 5; ++i) unterminated.insert(unterminated.end(), {'A', 0});
    unterminated[0] = static_cast<uint8_t>(unterminated.size());
    cases.push_back({"source without terminator", unterminated, 1});
    for (const auto& c : cases) EXPECT_EQ(Parse(c.bytes, 10).size(), c.expected) << c.what;
    EXPECT_EQ(Parse(unterminated, 10)[0].source, L"AAAAA");
}

}  // namespace

TEST(SoftwareRules, BuildNumberWithUpdateRevision) {
    EXPECT_EQ(BuildNumberText(true, L"19045", true, 3803), L"19045.3803");
    EXPECT_EQ(BuildNumberText(true, L"19045", true, 0), L"19045");
    EXPECT_EQ(BuildNumberText(true, L"7601", false, 0), L"7601");
    EXPECT_EQ(BuildNumberText(false, L"", true, 3803), L"");
    // A revision above 2^31 is still a positive number.
    EXPECT_EQ(BuildNumberText(true, L"22631", true, 0x80000001u), L"22631.2147483649");
}
