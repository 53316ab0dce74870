#include "framework/CWinApp.h"

#include <vector>

#include "framework/CWnd.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

int CWinApp::Run(HINSTANCE instance, const wchar_t* cmdLine) {
    m_hInstance = instance;
    m_lpCmdLine = cmdLine ? cmdLine : L"";
    std::vector<wchar_t> path(MAX_PATH + 1);
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), MAX_PATH);
    std::wstring exe(path.data(), n);
    size_t slash = exe.find_last_of(L"\\/");
    if (slash != std::wstring::npos) exe.erase(0, slash + 1);
    size_t dot = exe.rfind(L'.');
    if (dot != std::wstring::npos) exe.erase(dot);
    m_pszExeName = exe;

    if (!InitInstance()) return ExitInstance();
    // Programs that keep running after InitInstance pump messages here.
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ExitInstance();
    return static_cast<int>(msg.wParam);
}
