#pragma once
// Temporary folders and whole files for the Windows-side tests.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "common/Format.h"

// A new empty folder under the temporary folder.
inline std::wstring MakeTempFolder(const wchar_t* prefix) {
    wchar_t tmp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tmp);
    for (unsigned i = 0;; ++i) {
        std::wstring dir = Format(L"%ls%ls-%lu-%u", tmp, prefix, ::GetCurrentProcessId(), i);
        if (::CreateDirectoryW(dir.c_str(), nullptr)) return dir;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
    }
}

// Removes a folder and everything in it.
inline void RemoveFolder(const std::wstring& folder) {
    if (folder.empty()) return;
    std::vector<wchar_t> from(folder.begin(), folder.end());
    from.push_back(0);
    from.push_back(0);  // a double-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.data();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
}

// The bytes of a file (empty when it cannot be read).
inline std::string ReadFileBytes(const std::wstring& path) {
    std::string out;
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                             0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return out;
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(f, buf, sizeof(buf), &n, nullptr) && n > 0) out.append(buf, n);
    ::CloseHandle(f);
    return out;
}

inline void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD n = 0;
    ::WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    ::CloseHandle(f);
}
