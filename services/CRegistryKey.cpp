#include "services/CRegistryKey.h"

#include <vector>

LSTATUS CRegistryKey::Open(HKEY root, const wchar_t* path, REGSAM access) {
    Close();
    return ::RegOpenKeyExW(root, path, 0, access, &m_key);
}

LSTATUS CRegistryKey::Create(HKEY root, const wchar_t* path, REGSAM access) {
    Close();
    return ::RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_key, nullptr);
}

void CRegistryKey::Close() {
    if (m_key) ::RegCloseKey(m_key);
    m_key = nullptr;
}

LSTATUS CRegistryKey::QueryString(const wchar_t* name, DWORD maxBytes, std::wstring& value) const {
    if (!m_key) return ERROR_INVALID_HANDLE;
    std::vector<wchar_t> buffer(maxBytes / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0, size = maxBytes;
    const LSTATUS status =
        ::RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (status != ERROR_SUCCESS) return status;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return ERROR_INVALID_DATA;
    // The stored bytes need not end with a terminator; the buffer has room for one.
    buffer[size / sizeof(wchar_t)] = L'\0';
    value.assign(buffer.data());
    return ERROR_SUCCESS;
}

LSTATUS CRegistryKey::SetString(const wchar_t* name, const std::wstring& value) {
    if (!m_key) return ERROR_INVALID_HANDLE;
    return ::RegSetValueExW(m_key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

LSTATUS CRegistryKey::DeleteValue(const wchar_t* name) {
    if (!m_key) return ERROR_INVALID_HANDLE;
    return ::RegDeleteValueW(m_key, name);
}
