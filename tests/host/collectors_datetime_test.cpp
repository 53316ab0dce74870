#include <gtest/gtest.h>

#include "collectors/core/CalendarFields.h"
#include "collectors/core/DateFacts.h"

namespace {

CalendarFields On(int year, int month, int day) { return CalendarFromUnixSeconds(DaysFromCivil(year, month, day) * 86400); }

TEST(DateFacts, IsoWeekNumbersAroundTheTurnOfTheYear) {
    struct Case {
        int y, m, d;
        const wchar_t* week;
    };
    const Case cases[] = {
        {2021, 1, 1, L"53"},   {2021, 1, 3, L"53"},   {2021, 1, 4, L"01"},  {2020, 12, 31, L"53"},
        {2019, 12, 30, L"01"}, {2018, 12, 31, L"01"}, {2016, 1, 3, L"53"},  {2022, 1, 1, L"52"},
        {2015, 12, 31, L"53"}, {2024, 12, 30, L"01"}, {2021, 6, 15, L"24"}, {2026, 12, 31, L"53"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsoWeekText(On(c.y, c.m, c.d)), c.week) << c.y << "-" << c.m << "-" << c.d;
}

TEST(DateFacts, DayOfYearAndWeekday) {
    EXPECT_EQ(DayOfYearText(On(2023, 1, 1)), L"001");
    EXPECT_EQ(DayOfYearText(On(2024, 12, 31)), L"366");
    EXPECT_EQ(DayOfYearText(On(2023, 12, 31)), L"365");
    EXPECT_EQ(WeekdayName(On(2021, 1, 1)), L"Friday");
    EXPECT_EQ(WeekdayName(On(2024, 3, 3)), L"Sunday");
}

TEST(DateFacts, TimeZoneOffsetCarriesItsSign) {
    EXPECT_EQ(TimeZoneText(180, L"Russian Standard Time"), L"(UTC+0300) Russian Standard Time");
    EXPECT_EQ(TimeZoneText(-300, L"Eastern Standard Time"), L"(UTC-0500) Eastern Standard Time");
    EXPECT_EQ(TimeZoneText(0, L"UTC"), L"(UTC+0000) UTC");
    EXPECT_EQ(TimeZoneText(330, L"India Standard Time"), L"(UTC+0530) India Standard Time");
    EXPECT_EQ(TimeZoneText(-570, L"Marquesas Standard Time"), L"(UTC-0930) Marquesas Standard Time");
}

TEST(DateFacts, UnixTimeIsTheLow32BitsSigned) {
    EXPECT_EQ(UnixTimeText(1700000000), L"1700000000");
    EXPECT_EQ(UnixTimeText(2147483648LL), L"-2147483648");
}

}  // namespace
