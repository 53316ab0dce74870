#include "widgets/core/PanelText.h"

#include "common/Format.h"

std::wstring UpTimeText(uint64_t ms) {
    const unsigned long long days = ms / 86400000, hours = ms % 86400000 / 3600000, minutes = ms % 3600000 / 60000,
                             seconds = ms % 60000 / 1000;
    return Format(L"%llu:%02llu:%02llu:%02llu", days, hours, minutes, seconds);
}

std::wstring DriveLine(const std::wstring& root, uint64_t totalBytes, uint64_t freeBytes) {
    std::wstring line = root;
    for (wchar_t& c : line)
        if (c == L'\\') c = L' ';
    if (totalBytes == 0) return line;
    return line + Format(L"%llu MB / %llu MB", static_cast<unsigned long long>(freeBytes >> 20),
                         static_cast<unsigned long long>(totalBytes >> 20));
}

std::wstring WirelessLine(const std::wstring& name, const std::wstring& signal, bool secured, bool connected,
                          const std::wstring& securedText, const std::wstring& connectedText) {
    std::wstring line = name + L" (" + signal;
    if (secured) line += L", " + securedText;
    if (connected) line += L", " + connectedText;
    return line + L")";
}

std::wstring SystemLine(const std::wstring& windowsName, const std::wstring& edition,
                        const std::wstring& servicePack, const std::wstring& bitness, const std::wstring& bitText) {
    std::wstring line = windowsName + L" " + edition;
    if (!servicePack.empty()) line += L" " + servicePack;
    return line + L" " + bitness + L"-" + bitText;
}
