#pragma once
// One open registry key, closed with the object. Values are read and
// written as whole strings.
#include <windows.h>

#include <string>

class CRegistryKey {
public:
    CRegistryKey() = default;
    ~CRegistryKey() { Close(); }
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    LSTATUS Open(HKEY root, const wchar_t* path, REGSAM access);
    LSTATUS Create(HKEY root, const wchar_t* path, REGSAM access);
    void Close();
    bool IsOpen() const { return m_key != nullptr; }

    // Reads a string value of at most `maxBytes` bytes (terminator included).
    // ERROR_FILE_NOT_FOUND when the value is missing.
    LSTATUS QueryString(const wchar_t* name, DWORD maxBytes, std::wstring& value) const;
    LSTATUS SetString(const wchar_t* name, const std::wstring& value);
    LSTATUS DeleteValue(const wchar_t* name);

private:
    HKEY m_key = nullptr;
};
