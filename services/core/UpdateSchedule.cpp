#include "services/core/UpdateSchedule.h"

#include <limits>

#include "common/Format.h"

namespace {

// The stored text as a signed decimal number (leading blanks and a sign
// allowed, 0 without digits, limited to the 64-bit range).
int64_t ParseRecordedTime(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    uint64_t value = 0;
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int64_t>::max());
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        const uint64_t digit = static_cast<uint64_t>(text[i] - L'0');
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    if (negative) return value == limit ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(value);
    return static_cast<int64_t>(value);
}

}  // namespace

UpdateDue UpdateCheckDue(const std::wstring* recorded, int64_t now) {
    if (!recorded) return {false, true};
    const int64_t last = ParseRecordedTime(*recorded);
    // Compared without forming now - last, which overflows for absurd values.
    const bool future = last > now;
    const bool old = !future && last < now - kUpdateCheckInterval;
    if (future || old) return {true, true};
    return {false, false};
}

std::wstring UpdateCheckRecord(int64_t now) { return Format(L"%lld", static_cast<long long>(now)); }
