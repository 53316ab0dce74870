#include "settings/core/TextUnescape.h"

namespace {
void ReplaceAll(std::wstring& s, const std::wstring& from, const std::wstring& to) {
    for (size_t pos = 0; (pos = s.find(from, pos)) != std::wstring::npos; pos += to.size()) s.replace(pos, from.size(), to);
}
}  // namespace

std::wstring UnescapeLanguageText(const std::wstring& value) {
    std::wstring s = value;
    ReplaceAll(s, L"\\r", L"\r");
    ReplaceAll(s, L"\\n", L"\n");
    return s;
}
