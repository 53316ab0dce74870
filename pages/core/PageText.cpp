#include "pages/core/PageText.h"

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

WeiFieldState SubScoreField(const std::wstring& score) {
    if (score.empty()) return {L"-", false};
    return {score, true};
}
