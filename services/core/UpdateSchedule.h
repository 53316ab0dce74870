#pragma once
// When the weekly update check is due, from the time recorded at the last one.
#include <cstdint>
#include <string>

// Seven days in seconds.
constexpr int64_t kUpdateCheckInterval = 604800;

struct UpdateDue {
    bool due = false;     // contact the site now
    bool record = false;  // write the current time as the last check
};

// `recorded` is the stored value ("LastUpdateCheck", decimal seconds since
// 1970), nullptr when there is none. A missing value only records the time,
// so the first check comes a week after the first run. A value more than a
// week old or in the future (the clock was set back) makes the check due.
UpdateDue UpdateCheckDue(const std::wstring* recorded, int64_t now);

// The stored value's text for a time.
std::wstring UpdateCheckRecord(int64_t now);
