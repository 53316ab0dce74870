#pragma once
#include <string>

// Language-file values spell a carriage return as backslash-r and a line
// feed as backslash-n; every other backslash stays as written.
std::wstring UnescapeLanguageText(const std::wstring& value);
