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
