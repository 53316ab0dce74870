#include "common/Format.h"

#include <cwchar>
#include <vector>

std::wstring FormatV(const wchar_t* fmt, va_list args) {
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buf.data(), buf.size(), fmt, copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) return std::wstring(buf.data(), n);
        // vswprintf reports truncation only as a failure; grow and retry, but
        // give up on a format that cannot be satisfied (an encoding error).
        if (buf.size() >= (1u << 20)) return std::wstring();
        buf.resize(buf.size() * 4);
    }
}

std::wstring Format(const wchar_t* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::wstring s = FormatV(fmt, args);
    va_end(args);
    return s;
}
