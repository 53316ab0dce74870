#include "settings/CSettingsStore.h"

#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "common/Format.h"

CSettingsStore::CSettingsStore(const wchar_t* section, bool writeOnSet) : m_section(section), m_writeOnSet(writeOnSet) {
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

OPTION* CSettingsStore::Find(const wchar_t* name) { return FindOption(m_entries, name); }

const OPTION* CSettingsStore::Find(const wchar_t* name) const { return FindOption(m_entries, name); }

void CSettingsStore::Load() {
    if (m_file.empty()) return;
    for (auto& e : m_entries) {
        if (e.strType == L"string") {
            wchar_t buf[260] = {};
            ::GetPrivateProfileStringW(m_section.c_str(), e.strName.c_str(), e.strValue.c_str(), buf, 260,
                                       m_file.c_str());
            e.strValue = buf;
        } else if (e.strType == L"bool") {
            e.fValue = ::GetPrivateProfileIntW(m_section.c_str(), e.strName.c_str(), e.fValue ? 1 : 0,
                                               m_file.c_str()) != 0;
        }
    }
}

void CSettingsStore::GetString(const wchar_t* name, wchar_t* buffer) const {
    CopyStringOption(m_entries, name, buffer);
}

std::wstring CSettingsStore::GetString(const wchar_t* name) const {
    wchar_t buf[kOptionStringMax + 1] = {};
    GetString(name, buf);
    return buf;
}

bool CSettingsStore::GetBool(const wchar_t* name) const { return BoolOption(m_entries, name); }

void CSettingsStore::SetString(const wchar_t* name, const std::wstring& value) {
    SetStringOption(m_entries, name, value);
    if (m_writeOnSet) Save(name);
}

void CSettingsStore::SetBool(const wchar_t* name, bool value) {
    SetBoolOption(m_entries, name, value);
    if (m_writeOnSet) Save(name);
}

void CSettingsStore::Write(const OPTION& e) const {
    if (m_file.empty()) return;
    std::wstring value = e.strType == L"bool" ? Format(L"%i", e.fValue ? 1 : 0) : e.strValue;
    ::WritePrivateProfileStringW(m_section.c_str(), e.strName.c_str(), value.c_str(), m_file.c_str());
}

void CSettingsStore::Save(const wchar_t* name) const {
    if (const OPTION* e = Find(name)) Write(*e);
}

void CSettingsStore::SaveAll() const {
    for (const auto& e : m_entries) Write(e);
}
