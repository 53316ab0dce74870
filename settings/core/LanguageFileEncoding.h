#pragma once
// Which language files the program reads. The platform's profile reader
// takes UTF-16 little-endian text with its byte-order mark, and text in the
// system code page; anything else it reads differently from one Windows
// version (or Wine) to the next, or as mangled text. Such a file is left
// alone, so the program shows its English texts instead of garbled ones.
#include <cstddef>
#include <cstdint>

// How many leading bytes of a file decide.
constexpr size_t kLanguageFileProbeBytes = 65536;

// True for a file that starts with the UTF-16 little-endian byte-order
// mark, or that has no byte-order mark and no zero byte and is not UTF-8
// with characters beyond ASCII (which the reader would take for code-page
// text). False for UTF-16 without its mark or big-endian, UTF-8 with or
// without its mark, and binary data. `data` holds the file's first `size`
// bytes (at most kLanguageFileProbeBytes); a multi-byte sequence cut off at
// the end of a probe that long still counts as UTF-8.
bool IsReadableLanguageFile(const uint8_t* data, size_t size);
