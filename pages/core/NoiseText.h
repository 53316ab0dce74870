#pragma once
// The random hexadecimal text the pages show in their fields while they
// "reveal" their values.
#include <cstddef>
#include <functional>
#include <string>

// `length` characters from "0123456789ABCDEF", with a space after every
// second one: length 4 gives for example "3F A0 ". `nextDigit` yields the
// digit values; anything it returns is taken modulo 16.
std::wstring MakeNoiseText(size_t length, const std::function<unsigned()>& nextDigit);

// The same, drawing from the C library's generator (seeded by the pages).
std::wstring MakeNoiseText(size_t length);
