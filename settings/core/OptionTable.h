#pragma once
// The typed entries a settings store keeps in memory: the lookups and
// copies its readers use, without the file behind them.
#include <cstddef>
#include <string>
#include <vector>

struct OPTION {
    std::wstring strName;
    std::wstring strType;  // "string" or "bool"
    std::wstring strValue;
    bool fValue = false;
};

// A string read copies at most this many characters and a terminator.
constexpr size_t kOptionStringMax = 255;

// The entry of that exact (case-sensitive) name, of any type, or nullptr.
OPTION* FindOption(std::vector<OPTION>& entries, const wchar_t* name);
const OPTION* FindOption(const std::vector<OPTION>& entries, const wchar_t* name);

// Copies the first string entry of that name (at most kOptionStringMax
// characters and the terminator) into `buffer`, which holds
// kOptionStringMax + 1; leaves it unchanged when there is none.
void CopyStringOption(const std::vector<OPTION>& entries, const wchar_t* name, wchar_t* buffer);

// The first bool entry of that name, false when there is none.
bool BoolOption(const std::vector<OPTION>& entries, const wchar_t* name);

// Sets the entry of that name (whatever its type) or appends a new one of
// `type`; returns it.
OPTION& SetStringOption(std::vector<OPTION>& entries, const wchar_t* name, const std::wstring& value);
OPTION& SetBoolOption(std::vector<OPTION>& entries, const wchar_t* name, bool value);
