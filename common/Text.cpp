#include "common/Text.h"

std::wstring TrimWhiteSpace(const std::wstring& text) {
    static const wchar_t kWhite[] = L" \t\r\n\v\f";
    const size_t last = text.find_last_not_of(kWhite);
    if (last == std::wstring::npos) return std::wstring();
    const size_t first = text.find_first_not_of(kWhite);
    return text.substr(first, last - first + 1);
}
