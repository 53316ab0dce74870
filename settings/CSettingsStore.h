#pragma once
// A typed list of settings mirrored in one section of an INI file through
// the platform's profile functions. Entries are looked up by exact
// (case-sensitive) name; the profile reader itself ignores key case.
#include <string>
#include <vector>

#include "common/CObject.h"
#include "settings/core/OptionTable.h"

class CSettingsStore : public CObject {
public:
    // `writeOnSet`: every SetString/SetBool writes its entry to the file at once.
    CSettingsStore(const wchar_t* section, bool writeOnSet);

    void SetFile(const std::wstring& path) { m_file = path; }
    const std::wstring& File() const { return m_file; }

    void Load();
    // Copies at most 255 characters and the terminator into `buffer` (which
    // holds 256); leaves it unchanged when there is no such string entry.
    void GetString(const wchar_t* name, wchar_t* buffer) const;
    std::wstring GetString(const wchar_t* name) const;
    bool GetBool(const wchar_t* name) const;
    void SetString(const wchar_t* name, const std::wstring& value);
    void SetBool(const wchar_t* name, bool value);
    void Save(const wchar_t* name) const;
    void SaveAll() const;

    const std::vector<OPTION>& Entries() const { return m_entries; }

protected:
    void Write(const OPTION& entry) const;
    OPTION* Find(const wchar_t* name);
    const OPTION* Find(const wchar_t* name) const;

    std::vector<OPTION> m_entries;
    std::wstring m_file;
    std::wstring m_section;
    bool m_writeOnSet;
};
