#include "collectors/core/DateFacts.h"

#include "collectors/core/CalendarFields.h"
#include "common/Format.h"

namespace {

// Weekday of 1 January (0 = Sunday).
int NewYearWeekday(int year) {
    const int64_t days = DaysFromCivil(year, 1, 1);
    return static_cast<int>(((days % 7) + 11) % 7);
}

int IsoWeeksInYear(int year) {
    const int jan1 = NewYearWeekday(year);
    return jan1 == 4 || (jan1 == 3 && IsLeapYear(year)) ? 53 : 52;
}

}  // namespace

std::wstring WeekdayName(const CalendarFields& t) {
    static const wchar_t* const kNames[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                            L"Thursday", L"Friday", L"Saturday"};
    return t.weekday >= 0 && t.weekday < 7 ? kNames[t.weekday] : std::wstring();
}

std::wstring DayOfYearText(const CalendarFields& t) { return Format(L"%03d", t.yearDay + 1); }

int IsoWeekNumber(const CalendarFields& t) {
    const int isoWeekday = t.weekday == 0 ? 7 : t.weekday;  // Monday = 1
    const int week = (t.yearDay + 1 - isoWeekday + 10) / 7;
    if (week < 1) return IsoWeeksInYear(t.year - 1);
    if (week > IsoWeeksInYear(t.year)) return 1;
    return week;
}

std::wstring IsoWeekText(const CalendarFields& t) { return Format(L"%02d", IsoWeekNumber(t)); }

std::wstring TimeZoneText(int offsetMinutes, const std::wstring& zoneName) {
    const wchar_t* sign = offsetMinutes < 0 ? L"-" : L"+";
    const int magnitude = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return Format(L"(UTC%ls%02d%02d) %ls", sign, magnitude / 60, magnitude % 60, zoneName.c_str());
}

std::wstring UnixTimeText(int64_t seconds) {
    return Format(L"%d", static_cast<int>(static_cast<int32_t>(static_cast<uint32_t>(seconds))));
}
