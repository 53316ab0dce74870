#pragma once
// Date and time facts for the clock widget and the screensaver, computed
// anew at every call from the current local time.
#include <string>

#include "common/CObject.h"

class CDateTime : public CObject {
public:
    CDateTime() = default;
    ~CDateTime() override = default;

    std::wstring GetTimeText() const;   // the user's default time format
    std::wstring GetDateText() const;   // the user's short date format
    std::wstring GetWeekday() const;    // English name
    std::wstring GetTimeZone() const;   // "(UTC+0100) W. Europe Standard Time"
    std::wstring GetDayOfYear() const;  // "001".."366"
    std::wstring GetWeekNumber() const; // ISO 8601, "01".."53"
    std::wstring GetUnixTime() const;   // seconds since 1970, 32-bit
};
