#include "common/Text.h"

std::wstring TrimWhiteSpace(const std::wstring& text) {
    static const wchar_t kWhite[] = L" \t\r\n\v\f";
    const size_t last = text.find_last_not_of(kWhite);
    if (last == std::wstring::npos) return std::wstring();
    const size_t first = text.find_first_not_of(kWhite);
    return text.substr(first, last - first + 1);
}

bool ParseDecimal64(const std::wstring& text, uint64_t* value) {
    if (text.empty()) return false;
    uint64_t n = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        const unsigned digit = static_cast<unsigned>(c - L'0');
        if (n > (UINT64_MAX - digit) / 10) return false;
        n = n * 10 + digit;
    }
    *value = n;
    return true;
}
