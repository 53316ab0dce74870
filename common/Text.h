#pragma once
#include <string>

// The text without blanks, tabs and line breaks at either end.
std::wstring TrimWhiteSpace(const std::wstring& text);
