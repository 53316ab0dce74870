#pragma once
// printf-style formatting into a wide string. Use %ls for wide-string
// arguments and %llu/%lld for 64-bit numbers: the same format string then
// works with the Windows C runtime and with glibc.
#include <cstdarg>
#include <string>

std::wstring Format(const wchar_t* fmt, ...);
std::wstring FormatV(const wchar_t* fmt, va_list args);
