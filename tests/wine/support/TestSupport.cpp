#include "tests/wine/support/TestSupport.h"


// The application object of every in-process test program.
COrvanelApp theApp;

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
