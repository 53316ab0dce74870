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
    int64_t value = 0;
    const int64_t limit = std::numeric_limits<int64_t>::max() / 10;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        if (value > limit) return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
        value = value * 10 + (text[i] - L'0');
    }
    return negative ? -value : value;
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
