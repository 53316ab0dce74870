#include "pages/core/PageText.h"

#include "common/Format.h"

std::wstring TrimSpaces(const std::wstring& text) {
    static const wchar_t kWhite[] = L" \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kWhite);
    if (first == std::wstring::npos) return std::wstring();
    const size_t last = text.find_last_not_of(kWhite);
    return text.substr(first, last - first + 1);
}

std::wstring DashIfEmpty(const std::wstring& text) { return text.empty() ? std::wstring(L"-") : text; }

std::wstring WindowsVersionText(const std::wstring& windowsName, const std::wstring& servicePack,
                                const std::wstring& servicePackWord) {
    std::wstring text = windowsName;
    if (!servicePack.empty()) text += L" " + servicePackWord + L" " + servicePack;
    return text;
}

std::wstring SystemTypeText(const std::wstring& bitness, const std::wstring& bitWord) {
    return bitness + L"-" + bitWord;
}

std::wstring OperatingSystemLine(const std::wstring& windowsName, const std::wstring& edition,
                                 const std::wstring& servicePack, const std::wstring& bitness,
                                 const std::wstring& servicePackWord, const std::wstring& bitWord) {
    std::wstring text = windowsName + L" " + edition;
    if (!servicePack.empty()) text += L" " + servicePackWord + L" " + servicePack;
    return text + L" " + SystemTypeText(bitness, bitWord);
}

std::wstring BuildNumberText(bool haveBuild, const std::wstring& build, bool haveRevision, uint32_t revision) {
    if (!haveBuild) return std::wstring();
    // The revision is an unsigned 32-bit registry value: printed as such, it
    // can never come out negative.
    if (haveRevision && revision != 0) return build + Format(L".%lu", static_cast<unsigned long>(revision));
    return build;
}

WeiFieldState SubScoreField(const std::wstring& score) {
    if (score.empty()) return {L"-", false};
    return {score, true};
}
