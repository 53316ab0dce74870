#pragma once
// Text from a fixed-size character array filled by the system (adapter
// records, device capabilities). The terminator is looked for only inside the
// array, so a record that fills it completely cannot make us read past it.
#include <algorithm>
#include <cstddef>
#include <string>

template <typename CharT>
std::basic_string<CharT> FixedText(const CharT* buffer, size_t capacity) {
    if (buffer == nullptr) return std::basic_string<CharT>();
    const CharT* end = std::find(buffer, buffer + capacity, CharT(0));
    return std::basic_string<CharT>(buffer, end);
}
