#include "screensaver/core/ScreensaverMode.h"

#include <cwctype>
#include <limits>

namespace {

// Leading blanks skipped, an optional sign, digits up to the first
// non-digit; 0 when there are none. Saturates instead of overflowing.
int64_t ReadSignedDecimal(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    // The magnitude is gathered unsigned, so the most negative number fits
    // and no step can overflow.
    const uint64_t cap = static_cast<uint64_t>(std::numeric_limits<int64_t>::max()) + (negative ? 1 : 0);
    uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        const unsigned digit = static_cast<unsigned>(text[i] - L'0');
        magnitude = magnitude > (cap - digit) / 10 ? cap : magnitude * 10 + digit;
    }
    if (!negative) return static_cast<int64_t>(magnitude);
    return magnitude == cap ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
}

bool SameIgnoringCase(const std::wstring& a, const wchar_t* b) {
    for (size_t i = 0; i < a.size(); ++i)
        if (!b[i] || std::towlower(a[i]) != std::towlower(b[i])) return false;
    return b[a.size()] == 0;
}

}  // namespace

ScreensaverCommand ParseScreensaverCommand(const std::wstring& tail) {
    ScreensaverCommand cmd;
    const std::wstring mode = tail.size() >= 2 ? tail.substr(0, 2) : std::wstring();
    if (SameIgnoringCase(mode, L"/s")) {
        cmd.mode = ScreensaverMode::FullScreen;
    } else if (SameIgnoringCase(mode, L"/p")) {
        cmd.mode = ScreensaverMode::Preview;
        cmd.parent = tail.size() > 3 ? ReadSignedDecimal(tail.substr(3)) : 0;
    }
    return cmd;
}
