#include "smart/core/DeviceText.h"

namespace {

bool IsTrailingBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r' || c == L'\f' || c == L'\v';
}

}  // namespace

std::wstring TrimDeviceText(const uint8_t* bytes, size_t length) {
    std::wstring text;
    if (bytes == nullptr) return text;
    for (size_t i = 0; i < length && bytes[i] != 0; ++i) text.push_back(static_cast<wchar_t>(bytes[i]));
    while (!text.empty() && IsTrailingBlank(text.back())) text.pop_back();
    return text;
}

std::string AtaStringBytes(const uint8_t* data, size_t size, size_t firstWord, size_t words) {
    std::string out;
    out.reserve(words * 2);
    auto at = [&](size_t i) -> char { return static_cast<char>(data != nullptr && i < size ? data[i] : 0); };
    for (size_t w = firstWord; w < firstWord + words; ++w) {
        out.push_back(at(2 * w + 1));
        out.push_back(at(2 * w));
    }
    return out;
}
