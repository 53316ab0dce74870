#pragma once
// The program's application object: one per process, created when the
// program is loaded. The framework's entry point runs InitInstance; when it
// returns FALSE the process ends without a message loop.
#include <windows.h>

#include <string>

#include "common/CObject.h"

class CWnd;

class CWinApp : public CObject {
public:
    CWinApp();
    ~CWinApp() override;

    virtual BOOL InitInstance() { return FALSE; }
    virtual int ExitInstance() { return 0; }

    // Filled by the entry point before InitInstance.
    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_lpCmdLine = L"";
    std::wstring m_pszExeName;  // executable name without folder and extension
    CWnd* m_pMainWnd = nullptr;

    // Runs the application: used by the program's entry point.
    int Run(HINSTANCE instance, const wchar_t* cmdLine);
};

CWinApp* AfxGetApp();
