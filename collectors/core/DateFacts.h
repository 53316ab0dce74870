#pragma once
// The calendar facts shown by the date-and-time widget and the screensaver,
// computed from local calendar fields. Written out here rather than left to
// the C runtime's wcsftime: the runtime the Windows build links has no ISO
// week ("%V") and prints the zone name for "%z".
#include <cstdint>
#include <string>

struct CalendarFields;

std::wstring WeekdayName(const CalendarFields& local);      // English, "Monday"
std::wstring DayOfYearText(const CalendarFields& local);    // "001".."366"
int IsoWeekNumber(const CalendarFields& local);             // 1..53
std::wstring IsoWeekText(const CalendarFields& local);      // "01".."53"
// "(UTC+0100) W. Europe Standard Time"; the offset is minutes east of UTC.
std::wstring TimeZoneText(int offsetMinutes, const std::wstring& zoneName);
// "%d" of the low 32 bits of seconds since 1970 (signed).
std::wstring UnixTimeText(int64_t seconds);
