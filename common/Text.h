#pragma once
#include <cstdint>
#include <string>

// The text without blanks, tabs and line breaks at either end.
std::wstring TrimWhiteSpace(const std::wstring& text);

// The program's one reader of decimal numbers in text: true and the value
// when the whole text is decimal digits that fit in 64 bits; false (and
// `value` untouched) for an empty text, any other character, or overflow.
bool ParseDecimal64(const std::wstring& text, uint64_t* value);
