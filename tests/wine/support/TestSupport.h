#pragma once
// Support for tests that run the program's windows in-process under Wine.
#include <windows.h>

#include <string>

#include "app/COrvanelApp.h"

// The application object of every in-process test program.
extern COrvanelApp theApp;

// A new empty folder under the temporary folder.
std::wstring MakeTempDir(const wchar_t* prefix);
// Removes a folder and everything in it.
void RemoveTree(const std::wstring& folder);
// Dispatches messages for about `ms` milliseconds.
void PumpMessages(DWORD ms);
// Folder of the running test program (the build's program folder).
std::wstring ExeFolder();
// Reads a whole file (bytes) / writes text as UTF-16LE with a byte-order mark.
std::string ReadFileBytes(const std::wstring& path);
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
