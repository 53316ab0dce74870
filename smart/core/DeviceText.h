#pragma once
// Texts that drives hand back as fixed-width byte fields.
#include <cstddef>
#include <cstdint>
#include <string>

// The field's bytes widened one by one, with trailing blanks (space, tab,
// line feed, carriage return, form feed, vertical tab) removed; leading
// blanks stay. A NUL byte ends the text: some firmware pads its fields with
// NULs instead of spaces, and a NUL kept inside a wide string would cut off
// whatever the window appends to it.
std::wstring TrimDeviceText(const uint8_t* bytes, size_t length);

// ATA IDENTIFY strings store two characters per little-endian word with the
// first character in the high byte: returns `words` words starting at word
// `firstWord` of `data` (missing bytes read as 0) with each pair swapped.
std::string AtaStringBytes(const uint8_t* data, size_t size, size_t firstWord, size_t words);
