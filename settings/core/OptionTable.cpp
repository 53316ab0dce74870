#include "settings/core/OptionTable.h"

OPTION* FindOption(std::vector<OPTION>& entries, const wchar_t* name) {
    for (auto& e : entries)
        if (e.strName == name) return &e;
    return nullptr;
}

const OPTION* FindOption(const std::vector<OPTION>& entries, const wchar_t* name) {
    for (const auto& e : entries)
        if (e.strName == name) return &e;
    return nullptr;
}

void CopyStringOption(const std::vector<OPTION>& entries, const wchar_t* name, wchar_t* buffer) {
    for (const auto& e : entries) {
        if (e.strName == name && e.strType == L"string") {
            const size_t n = e.strValue.size() < kOptionStringMax ? e.strValue.size() : kOptionStringMax;
            e.strValue.copy(buffer, n);
            buffer[n] = L'\0';
            return;
        }
    }
}

bool BoolOption(const std::vector<OPTION>& entries, const wchar_t* name) {
    for (const auto& e : entries)
        if (e.strName == name && e.strType == L"bool") return e.fValue;
    return false;
}

OPTION& SetStringOption(std::vector<OPTION>& entries, const wchar_t* name, const std::wstring& value) {
    if (OPTION* e = FindOption(entries, name)) {
        e->strValue = value;
        return *e;
    }
    entries.push_back(OPTION{name, L"string", value, false});
    return entries.back();
}

OPTION& SetBoolOption(std::vector<OPTION>& entries, const wchar_t* name, bool value) {
    if (OPTION* e = FindOption(entries, name)) {
        e->fValue = value;
        return *e;
    }
    entries.push_back(OPTION{name, L"bool", std::wstring(), value});
    return entries.back();
}
