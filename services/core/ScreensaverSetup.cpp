#include "services/core/ScreensaverSetup.h"

int ClampWaitMinutes(long long minutes) {
    if (minutes < kMinWaitMinutes) return kMinWaitMinutes;
    if (minutes > kMaxWaitMinutes) return kMaxWaitMinutes;
    return static_cast<int>(minutes);
}

int WaitMinutesFromText(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    long long value = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        value = value * 10 + (text[i] - L'0');
        if (value > kMaxWaitMinutes) return kMaxWaitMinutes;  // long digit strings must not overflow
    }
    return ClampWaitMinutes(value);
}

int WaitMinutesFromSeconds(long long seconds) { return ClampWaitMinutes(seconds / 60); }

std::wstring ScreensaverPath(const std::wstring& windowsDir, const std::wstring& systemDir, bool wow64) {
    return (wow64 ? windowsDir + L"\\SysWOW64" : systemDir) + L"\\orvanel.scr";
}

bool ScreensaverIsOurs(const std::wstring* exeValue, const std::wstring* activeValue, const std::wstring& path) {
    return exeValue && activeValue && *exeValue == path && *activeValue == L"1";
}

std::wstring ScreensaverCommandLine(const std::wstring& path, ScreensaverStart start) {
    return path + L" " + (start == ScreensaverStart::Preview ? L" /s" : L" /c");
}
