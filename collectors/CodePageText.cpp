#include "collectors/CodePageText.h"

#include <windows.h>

std::wstring CodePageText(unsigned codePage, const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), size, &text[0], n);
    return text;
}
