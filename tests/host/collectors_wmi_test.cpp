#include <gtest/gtest.h>

#include "collectors/core/CalendarFields.h"
#include "collectors/core/WmiRow.h"
#include "tests/common/FakeWmiRow.h"

namespace {

TEST(WmiConversions, EachConversionTakesOnlyTheKindsItAccepts) {
    struct Case {
        const char* what;
        WmiValue value;
        std::wstring text;
        uint32_t number, strict32;
        uint64_t decimal;
    };
    const Case cases[] = {
        {"null", WmiValue::Null(), L"", 0, 0, 0},
        {"text", WmiValue::Text(L"82252800000"), L"82252800000", 0, 0, 82252800000ull},
        {"text with trailing junk", WmiValue::Text(L"12 GB"), L"12 GB", 0, 0, 0},
        {"text with a sign", WmiValue::Text(L"-12"), L"-12", 0, 0, 0},
        {"empty text", WmiValue::Text(L""), L"", 0, 0, 0},
        {"text without digits", WmiValue::Text(L"n/a"), L"n/a", 0, 0, 0},
        {"text past 64 bits", WmiValue::Text(L"18446744073709551616"), L"18446744073709551616", 0, 0, 0},
        {"largest 64-bit text", WmiValue::Text(L"18446744073709551615"), L"18446744073709551615", 0, 0, UINT64_MAX},
        {"signed 32", WmiValue::Int32(-2), L"", 0xFFFFFFFEu, 0xFFFFFFFEu, 0xFFFFFFFFFFFFFFFEull},
        {"unsigned 32", WmiValue::UInt32(2596), L"", 2596, 2596, 2596},
        {"unsigned 64", WmiValue::UInt64(0x100000005ull), L"", 5, 0, 0x100000005ull},
        {"signed 64", WmiValue::Int64(7), L"", 7, 0, 7},
        {"8/16-bit", WmiValue::SmallInt(200), L"", 200, 0, 200},
        {"other", WmiValue::Other(), L"", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(WmiText(c.value), c.text);
        EXPECT_EQ(WmiNumber(c.value), c.number);
        EXPECT_EQ(WmiStrict32(c.value), c.strict32);
        EXPECT_EQ(WmiDecimal64(c.value), c.decimal);
    }
}

TEST(WmiConversions, MissingPropertyOfARowIsNull) {
    FakeWmiRow row{{L"Name", WmiValue::Text(L"AMD EPYC")}};
    EXPECT_EQ(WmiText(row.Get(L"Name")), L"AMD EPYC");
    EXPECT_EQ(row.Get(L"Caption").kind, WmiValue::Kind::Null);
    EXPECT_EQ(WmiNumber(row.Get(L"Caption")), 0u);
}

// The UTC instant of a CIM text, as calendar fields.
bool Utc(const std::wstring& text, CalendarFields* f, int* microseconds = nullptr) {
    uint64_t ft = 0;
    if (!ParseCimDateTime(text, &ft)) return false;
    // Whole seconds since 1601 first, so instants before 1970 stay exact.
    const int64_t seconds = static_cast<int64_t>(ft / 10000000) - static_cast<int64_t>(kFileTimeUnixEpoch / 10000000);
    *f = CalendarFromUnixSeconds(seconds);
    if (microseconds) *microseconds = static_cast<int>(ft % 10000000 / 10);
    return true;
}

TEST(CimDateTime, OffsetsEastAndWestGiveTheSameInstantInUtc) {
    struct Case {
        const wchar_t* text;
        int year, month, day, hour, minute, second;
    };
    const Case cases[] = {
        {L"20120608000000.000000+000", 2012, 6, 8, 0, 0, 0},
        // 01:30 two hours east of UTC is 23:30 of the day before.
        {L"20210101013000.000000+120", 2020, 12, 31, 23, 30, 0},
        // 19:00 five hours west is midnight of the next day (and a leap day).
        {L"20240228190000.000000-300", 2024, 2, 29, 0, 0, 0},
        {L"20210504130509.123456+330", 2021, 5, 4, 7, 35, 9},
        {L"16010101000000.000000+000", 1601, 1, 1, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        CalendarFields f;
        ASSERT_TRUE(Utc(c.text, &f));
        EXPECT_EQ(f.year, c.year);
        EXPECT_EQ(f.month, c.month);
        EXPECT_EQ(f.day, c.day);
        EXPECT_EQ(f.hour, c.hour);
        EXPECT_EQ(f.minute, c.minute);
        EXPECT_EQ(f.second, c.second);
    }
    CalendarFields f;
    int micro = 0;
    ASSERT_TRUE(Utc(L"20210504130509.123456+330", &f, &micro));
    EXPECT_EQ(micro, 123456);
}

TEST(CimDateTime, RejectsTextsThatAreNotACompleteDateTime) {
    const wchar_t* invalid[] = {
        L"",
        L"20120608000000.000000+00",     // short offset
        L"20120608000000.000000+0000",   // long
        L"20120608000000,000000+000",    // no point
        L"20120608000000.000000*000",    // no sign
        L"2012060800000a.000000+000",    // not a digit
        L"20121308000000.000000+000",    // month 13
        L"20120631000000.000000+000",    // 31 June
        L"20230229000000.000000+000",    // not a leap year
        L"20120608240000.000000+000",    // hour 24
        L"20120608006000.000000+000",    // minute 60
        L"********000000.000000+000",    // wildcards
        L"00000001000000.000000:000",    // an interval
        L"16010101000000.000000+060",    // an hour before file time begins
    };
    for (const wchar_t* text : invalid) {
        uint64_t ft = 12345;
        EXPECT_FALSE(ParseCimDateTime(text, &ft)) << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(ft, 12345u);
    }
}

TEST(Calendar, FieldsOfKnownInstants) {
    // 2021-01-01 was a Friday; 2024-12-31 the 366th day of a leap year.
    CalendarFields a = CalendarFromUnixSeconds(1609459200);
    EXPECT_EQ(a.year, 2021);
    EXPECT_EQ(a.weekday, 5);
    EXPECT_EQ(a.yearDay, 0);
    CalendarFields b = CalendarFromUnixSeconds(DaysFromCivil(2024, 12, 31) * 86400 + 86399);
    EXPECT_EQ(b.yearDay, 365);
    EXPECT_EQ(b.hour, 23);
    CalendarFields c = CalendarFromUnixSeconds(-1);
    EXPECT_EQ(c.year, 1969);
    EXPECT_EQ(c.day, 31);
    EXPECT_EQ(c.second, 59);
    EXPECT_EQ(c.weekday, 3);
}

}  // namespace
