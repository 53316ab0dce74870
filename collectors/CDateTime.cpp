#include "collectors/CDateTime.h"

#include <windows.h>

#include "collectors/LocalTime.h"
#include "collectors/core/DateFacts.h"

namespace {

constexpr int kTextLength = 50;

bool Now(CalendarFields* local, int64_t* unixSeconds) {
    const uint64_t utc = CurrentUtcFileTime();
    *unixSeconds = static_cast<int64_t>((utc - kFileTimeUnixEpoch) / 10000000);
    return LocalCalendarFromUtc(utc, local);
}

std::wstring FromBuffer(const wchar_t* buffer, int written) {
    return written > 0 ? std::wstring(buffer) : std::wstring();
}

}  // namespace

std::wstring CDateTime::GetTimeText() const {
    wchar_t buffer[kTextLength] = {};
    return FromBuffer(buffer, GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, kTextLength));
}

std::wstring CDateTime::GetDateText() const {
    wchar_t buffer[kTextLength] = {};
    return FromBuffer(buffer,
                      GetDateFormatW(LOCALE_USER_DEFAULT, DATE_AUTOLAYOUT, nullptr, nullptr, buffer, kTextLength));
}

std::wstring CDateTime::GetWeekday() const {
    CalendarFields local;
    int64_t seconds = 0;
    return Now(&local, &seconds) ? WeekdayName(local) : std::wstring();
}

std::wstring CDateTime::GetTimeZone() const {
    CalendarFields local;
    int64_t seconds = 0;
    if (!Now(&local, &seconds)) return std::wstring();
    // The offset in force now, daylight saving included.
    const int64_t localSeconds =
        DaysFromCivil(local.year, local.month, local.day) * 86400 + local.hour * 3600 + local.minute * 60 + local.second;
    const int64_t delta = localSeconds - seconds;
    const int offsetMinutes = static_cast<int>((delta >= 0 ? delta + 30 : delta - 30) / 60);
    TIME_ZONE_INFORMATION zone = {};
    const DWORD id = GetTimeZoneInformation(&zone);
    std::wstring name = id == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightName : zone.StandardName;
    return TimeZoneText(offsetMinutes, name);
}

std::wstring CDateTime::GetDayOfYear() const {
    CalendarFields local;
    int64_t seconds = 0;
    return Now(&local, &seconds) ? DayOfYearText(local) : std::wstring();
}

std::wstring CDateTime::GetWeekNumber() const {
    CalendarFields local;
    int64_t seconds = 0;
    return Now(&local, &seconds) ? IsoWeekText(local) : std::wstring();
}

std::wstring CDateTime::GetUnixTime() const {
    return UnixTimeText(static_cast<int64_t>((CurrentUtcFileTime() - kFileTimeUnixEpoch) / 10000000));
}
