#include <gtest/gtest.h>

#include <string>

#include "services/core/UpdateFile.h"
#include "services/core/UpdateSchedule.h"

namespace {

constexpr uint32_t Version(uint32_t major, uint32_t minor) { return major << 16 | minor; }

TEST(UpdateFile, VersionFieldsAndDownloadAddress) {
    struct Case {
        std::string body;
        uint32_t version;
        std::wstring address;
    } cases[] = {
        {"1|5|https://example.org/get", Version(1, 5), L"https://example.org/get"},
        {"2|0|https://example.org/get\r\n", Version(2, 0), L"https://example.org/get"},
        {"65537|0|x", Version(1, 0), L"x"},           // only the low 16 bits count
        {"1|65536|x", Version(1, 0), L"x"},
        {"99999999999999999999|3|x", Version(0xFFFF, 3), L"x"},  // 10^20 - 1: low bits, no overflow
        {"7", Version(7, 0), L""},                    // missing fields are empty
        {"no bars here", 0, L""},
        {"", 0, L""},
        {"v2|x3|", 0, L""},                           // no leading digits: 0
        {"12abc|4z|a|b", Version(12, 4), L"a"},       // digits up to the first other character
        {"\xEF\xBB\xBF" "1|6|u", Version(1, 6), L"u"},  // a byte-order mark is not part of the number
    };
    for (const auto& c : cases) {
        const UpdateAnnouncement a = ParseUpdateFile(c.body);
        EXPECT_EQ(a.version, c.version) << c.body;
        EXPECT_EQ(a.downloadAddress, c.address) << c.body;
    }
}

TEST(UpdateFile, ReadsNoFurtherThanTheLimit) {
    std::string body = "1|5|https://example.org/" + std::string(10 * 1024 * 1024, 'a');
    const UpdateAnnouncement a = ParseUpdateFile(body);
    EXPECT_EQ(a.version, Version(1, 5));
    EXPECT_EQ(a.downloadAddress.size(), kUpdateFileMaxBytes - 4);
}

TEST(UpdateFile, VersionComparisonIgnoresBuildAndIsUnsigned) {
    const uint32_t running = Version(1, 4);  // 1.4.x.x: build and revision are not compared
    EXPECT_FALSE(IsNewerVersion(Version(1, 4), running));
    EXPECT_TRUE(IsNewerVersion(Version(1, 5), running));
    EXPECT_TRUE(IsNewerVersion(Version(2, 0), running));
    EXPECT_FALSE(IsNewerVersion(Version(1, 3), running));
    EXPECT_TRUE(IsNewerVersion(Version(0xFFFF, 0), running));  // would be negative as a signed word
    EXPECT_FALSE(IsNewerVersion(0, running));
}

TEST(UpdateFile, Utf8DecodingReplacesBrokenSequences) {
    EXPECT_EQ(DecodeUtf8("caf\xC3\xA9"), L"caf\u00E9");
    EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC"), L"\u20AC");
    EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80").size(), sizeof(wchar_t) == 2 ? 2u : 1u);
    EXPECT_EQ(DecodeUtf8("a\xE2\x82"), L"a\uFFFD");              // cut off at the read limit
    EXPECT_EQ(DecodeUtf8("\xC3(x"), L"\uFFFD(x");                 // a broken sequence keeps the next byte
    EXPECT_EQ(DecodeUtf8("\xC0\xAF"), L"\uFFFD");                 // overlong
    EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), L"\uFFFD");             // a surrogate
    EXPECT_EQ(DecodeUtf8("\xFF\x80"), L"\uFFFD\uFFFD");
}

TEST(UpdateFile, OnlyAbsoluteHttpsAddressesAreOpened) {
    for (const wchar_t* good : {L"https://orvanel.example/download", L"HTTPS://Example.org", L"hTtPs://a/b?c=d#e",
                                L"https://example.org:8443/x"})
        EXPECT_TRUE(IsSecureWebAddress(good)) << good;
    for (const wchar_t* bad :
         {L"", L"http://example.org/", L"file:///C:/Windows/System32/calc.exe", L"C:\\Windows\\notepad.exe",
          L"\\\\server\\share\\setup.exe", L"https://", L"https:///path", L"https:example.org", L"https:\\\\host",
          L" https://example.org", L"https://exa mple.org", L"https://example.org/\nfile:///x", L"javascript:https://x",
          L"https://@host", L"ms-settings:https://x"})
        EXPECT_FALSE(IsSecureWebAddress(bad)) << bad;
}

TEST(UpdateFile, RussianFileOnlyForTheExactLanguageName) {
    EXPECT_EQ(UpdateFileAddress(L"https://h", L"Russian"), L"https://h/windows-app/update_ru.txt");
    for (const wchar_t* other : {L"English", L"russian", L"Russian ", L""})
        EXPECT_EQ(UpdateFileAddress(L"https://h", other), L"https://h/windows-app/update.txt") << other;
}

TEST(UpdateSchedule, DueOnceAWeekAndWhenTheClockWentBack) {
    const int64_t now = 1800000000;
    const int64_t day = 86400;
    struct Case {
        const wchar_t* recorded;  // nullptr: no value
        bool due, record;
    } cases[] = {
        {nullptr, false, true},  // first run: only record
        {L"1799395200", false, false},  // exactly seven days ago
        {L"1799395199", true, true},    // one second more
        {L"1799913600", false, false},  // one day ago
        {L"1800000000", false, false},
        {L"1800000001", true, true},    // in the future
        {L"", true, true},              // unreadable counts as 1970
        {L"garbage", true, true},
        {L"-5", true, true},
        {L"99999999999999999999999", true, true},   // beyond 64 bits: far future
        {L"-99999999999999999999999", true, true},  // far past, no overflow
    };
    for (const auto& c : cases) {
        const std::wstring value = c.recorded ? c.recorded : L"";
        const UpdateDue d = UpdateCheckDue(c.recorded ? &value : nullptr, now);
        EXPECT_EQ(d.due, c.due) << (c.recorded ? c.recorded : L"(missing)");
        EXPECT_EQ(d.record, c.record) << (c.recorded ? c.recorded : L"(missing)");
    }
    EXPECT_EQ(now - 7 * day, 1799395200);
    EXPECT_EQ(UpdateCheckRecord(now), L"1800000000");
}

}  // namespace
