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
