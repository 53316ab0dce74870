#pragma once
// How the section pages put collector texts together for their fields.
#include <string>

// "-" for an empty text, the text otherwise.
std::wstring DashIfEmpty(const std::wstring& text);

// "Windows 7 Service Pack 1", or the bare name without a service pack.
std::wstring WindowsVersionText(const std::wstring& windowsName, const std::wstring& servicePack,
                                const std::wstring& servicePackWord);
// "64-bit" from the bitness "64" and the translated word "bit".
std::wstring SystemTypeText(const std::wstring& bitness, const std::wstring& bitWord);
// The Summary line: "Windows 10 Pro 64-bit", "Windows 7 Ultimate Service Pack 1 64-bit".
std::wstring OperatingSystemLine(const std::wstring& windowsName, const std::wstring& edition,
                                 const std::wstring& servicePack, const std::wstring& bitness,
                                 const std::wstring& servicePackWord, const std::wstring& bitWord);

// A WEI sub-score field: the score and its field shown, or "-" and hidden.
struct WeiFieldState {
    std::wstring text;
    bool visible;
};
WeiFieldState SubScoreField(const std::wstring& score);
