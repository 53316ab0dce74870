#pragma once
// Calendar arithmetic on plain numbers (proleptic Gregorian calendar), shared
// by the WMI date-time conversion, the event-log times and the date facts.
#include <cstdint>

struct CalendarFields {
    int year = 0;
    int month = 0;    // 1..12
    int day = 0;      // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 0 = Sunday
    int yearDay = 0;  // 0 = 1 January
};

// Days since 1970-01-01 of a civil date (may be negative).
int64_t DaysFromCivil(int year, int month, int day);
// Calendar fields of a count of seconds since 1970-01-01 (no time zone).
CalendarFields CalendarFromUnixSeconds(int64_t seconds);
bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// 100-ns units between 1601-01-01 and 1970-01-01.
constexpr uint64_t kFileTimeUnixEpoch = 116444736000000000ULL;
