#pragma once
// Wide text from fuzz bytes: two bytes per character (UTF-16 LE, as the
// language files and the profile functions hand it over).
#include <cstddef>
#include <cstdint>
#include <string>

inline std::wstring WideFromBytes(const uint8_t* data, size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    return text;
}
