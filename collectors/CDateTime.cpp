#include "collectors/CDateTime.h"

#include <windows.h>

#include "collectors/LocalTime.h"
#include "collectors/core/DateFacts.h"

namespace {

constexpr int kTextLength = 50;

int64_t UnixSeconds(uint64_t utcFileTime) {
    return static_cast<int64_t>((utcFileTime - kFileTimeUnixEpoch) / 10000000);
}

// A calendar fact of the local time now; empty when the time cannot be converted.
std::wstring LocalNowFact(std::wstring (*fact)(const CalendarFields&)) {
    CalendarFields local;
    return LocalCalendarFromUtc(CurrentUtcFileTime(), &local) ? fact(local) : std::wstring();
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

std::wstring CDateTime::GetWeekday() const { return LocalNowFact(WeekdayName); }

std::wstring CDateTime::GetTimeZone() const {
    const uint64_t utc = CurrentUtcFileTime();
    CalendarFields local;
    if (!LocalCalendarFromUtc(utc, &local)) return std::wstring();
    // The offset in force now, daylight saving included.
    const int64_t localSeconds =
        DaysFromCivil(local.year, local.month, local.day) * 86400 + local.hour * 3600 + local.minute * 60 + local.second;
    const int64_t delta = localSeconds - UnixSeconds(utc);
    const int offsetMinutes = static_cast<int>((delta >= 0 ? delta + 30 : delta - 30) / 60);
    TIME_ZONE_INFORMATION zone = {};
    const DWORD id = GetTimeZoneInformation(&zone);
    std::wstring name = id == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightName : zone.StandardName;
    return TimeZoneText(offsetMinutes, name);
}

std::wstring CDateTime::GetDayOfYear() const { return LocalNowFact(DayOfYearText); }

std::wstring CDateTime::GetWeekNumber() const { return LocalNowFact(IsoWeekText); }

std::wstring CDateTime::GetUnixTime() const { return UnixTimeText(UnixSeconds(CurrentUtcFileTime())); }
