#include "pages/core/DevicePageText.h"

#include "common/Format.h"

std::wstring DeviceEntry(const std::vector<std::wstring>& list, int index) {
    if (index < 0 || static_cast<size_t>(index) >= list.size() || list[index].empty()) return L"-";
    return list[index];
}

std::wstring DeviceFlag(const std::vector<bool>& list, int index, const std::wstring& yes, const std::wstring& no) {
    if (index < 0 || static_cast<size_t>(index) >= list.size()) return L"-";
    return list[index] ? yes : no;
}

std::vector<std::wstring> NumberedItems(const std::wstring& word, size_t count) {
    std::vector<std::wstring> items;
    items.reserve(count);
    for (size_t n = 1; n <= count; ++n) items.push_back(Format(L"%ls #%d", word.c_str(), static_cast<int>(n)));
    return items;
}

std::wstring DeviceListText(const std::vector<std::wstring>& names) {
    if (names.empty()) return L"-";
    std::wstring text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) text += L"\r\n";
        text += names[i];
    }
    return text;
}

std::wstring BandwidthText(long bitsPerSecond) { return Format(L"%ld kbps", bitsPerSecond / 1000); }
