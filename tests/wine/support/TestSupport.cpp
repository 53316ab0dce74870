#include "tests/wine/support/TestSupport.h"

#include <shellapi.h>

#include <vector>

#include "common/Format.h"

// The application object of every in-process test program.
COrvanelApp theApp;

std::wstring MakeTempDir(const wchar_t* prefix) {
    wchar_t tmp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tmp);
    for (unsigned i = 0;; ++i) {
        std::wstring dir = Format(L"%ls%ls-%lu-%u", tmp, prefix, ::GetCurrentProcessId(), i);
        if (::CreateDirectoryW(dir.c_str(), nullptr)) return dir;
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return std::wstring();
    }
}

void RemoveTree(const std::wstring& folder) {
    if (folder.empty()) return;
    std::vector<wchar_t> from(folder.begin(), folder.end());
    from.push_back(0);
    from.push_back(0);  // double-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.data();
    op.fFlags = FOF_NO_UI;
    ::SHFileOperationW(&op);
}

void PumpMessages(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(5);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring s(path);
    return s.substr(0, s.rfind(L'\\'));
}

std::string ReadFileBytes(const std::wstring& path) {
    std::string out;
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return out;
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(f, buf, sizeof(buf), &n, nullptr) && n > 0) out.append(buf, n);
    ::CloseHandle(f);
    return out;
}

void WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    const wchar_t bom = 0xFEFF;
    DWORD n = 0;
    ::WriteFile(f, &bom, sizeof(bom), &n, nullptr);
    ::WriteFile(f, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &n, nullptr);
    ::CloseHandle(f);
}

ScopedSettings::ScopedSettings() : m_folder(MakeTempDir(L"orvanel-settings")) {
    m_file = m_folder + L"\\settings.ini";
    theApp.m_options.SetFile(m_file);
    theApp.m_settingsPath = m_file;
}

ScopedSettings::~ScopedSettings() {
    theApp.m_options.SetFile(std::wstring());
    RemoveTree(m_folder);
}
