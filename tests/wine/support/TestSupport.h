#pragma once
// Support for tests that run the program's windows in-process under Wine.
#include <windows.h>

#include <string>

#include "app/COrvanelApp.h"
#include "tests/common/WinFiles.h"

// The application object of every in-process test program.
extern COrvanelApp theApp;

inline std::wstring MakeTempDir(const wchar_t* prefix) { return MakeTempFolder(prefix); }
inline void RemoveTree(const std::wstring& folder) { RemoveFolder(folder); }
// Dispatches messages for about `ms` milliseconds.
void PumpMessages(DWORD ms);
// Writes text as UTF-16LE with a byte-order mark.
void WriteUtf16File(const std::wstring& path, const std::wstring& text);

// Gives the test's application object a fresh settings file in a private
// folder and removes it afterwards. (CTest runs every test in a process of
// its own, so the object starts with its defaults.)
class ScopedSettings {
public:
    ScopedSettings();
    ~ScopedSettings();
    const std::wstring& Folder() const { return m_folder; }
    const std::wstring& File() const { return m_file; }

private:
    std::wstring m_folder;
    std::wstring m_file;
};
