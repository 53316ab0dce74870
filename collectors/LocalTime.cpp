#include "collectors/LocalTime.h"

#include <windows.h>

bool LocalCalendarFromUtc(uint64_t utcFileTime, CalendarFields* local) {
    FILETIME ft;
    ft.dwLowDateTime = static_cast<DWORD>(utcFileTime);
    ft.dwHighDateTime = static_cast<DWORD>(utcFileTime >> 32);
    SYSTEMTIME utc, t;
    if (!FileTimeToSystemTime(&ft, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &t)) return false;
    CalendarFields f;
    f.year = t.wYear;
    f.month = t.wMonth;
    f.day = t.wDay;
    f.hour = t.wHour;
    f.minute = t.wMinute;
    f.second = t.wSecond;
    f.weekday = t.wDayOfWeek;
    f.yearDay = static_cast<int>(DaysFromCivil(f.year, f.month, f.day) - DaysFromCivil(f.year, 1, 1));
    *local = f;
    return true;
}

uint64_t CurrentUtcFileTime() {
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
}
