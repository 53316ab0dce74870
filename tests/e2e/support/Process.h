#pragma once
// Starts the built orvanel.exe (next to the test program) as a separate
// process with a private APPDATA folder, and looks at its windows from
// outside, the way a user's tools would.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/common/WinFiles.h"

class OrvanelProcess {
public:
    // `tail` is the command-line tail ("" for none). `appData` is the folder
    // to use as APPDATA; empty makes a fresh one that is removed afterwards.
    explicit OrvanelProcess(const std::wstring& tail, const std::wstring& appData = std::wstring(),
                            const std::wstring& exeName = L"orvanel.exe");
    ~OrvanelProcess();
    OrvanelProcess(const OrvanelProcess&) = delete;
    OrvanelProcess& operator=(const OrvanelProcess&) = delete;

    bool Started() const { return m_pi.hProcess != nullptr; }
    DWORD Pid() const { return m_pi.dwProcessId; }
    const std::wstring& AppData() const { return m_appData; }

    // True when the process ended within `ms`; its exit code goes to *code.
    bool WaitForExit(DWORD ms, DWORD* code = nullptr);
    // A top-level window of this process with this class (and title, when
    // given), waiting up to `ms`; nullptr when none appears.
    HWND WaitForWindow(const wchar_t* cls, const wchar_t* title, DWORD ms) const;
    std::vector<HWND> Windows() const;
    void Terminate();

private:
    PROCESS_INFORMATION m_pi{};
    std::wstring m_appData;
    bool m_ownAppData = false;
};

std::wstring TestProgramFolder();

// The text of a message box (its static control 0xFFFF).
std::wstring MessageBoxText(HWND box);
// The texts of the root items of a tree control in another process.
std::vector<std::wstring> TreeItemTexts(HWND tree, DWORD pid);
// Selects a root item (by position) of a tree control in another process.
bool SelectTreeItem(HWND tree, size_t position);
