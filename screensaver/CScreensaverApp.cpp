#include "screensaver/CScreensaverApp.h"

#include <commctrl.h>

#include <cstdlib>
#include <ctime>
#include <memory>

#include "resources/screensaver/resource.h"
#include "screensaver/CDlgSettings.h"
#include "screensaver/CScreensaverDlg.h"
#include "screensaver/core/ScreensaverMode.h"

namespace {

std::wstring ExpandedAppData() {
    wchar_t buf[MAX_PATH] = {};
    DWORD n = ::ExpandEnvironmentStringsW(L"%APPDATA%", buf, MAX_PATH);
    return n > 0 && n <= MAX_PATH ? std::wstring(buf) : std::wstring();
}

// Hands every pending message (of `wnd`, or of the thread when null) to its
// window; answers false when WM_QUIT came.
bool PumpMessages(HWND wnd) {
    MSG msg;
    while (::PeekMessageW(&msg, wnd, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return false;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

// The preview polls its parent's state; between polls it sleeps until a
// message arrives or a short while has passed, so it costs no processor
// time while the display settings sit idle.
void WaitForMessagesOrPoll() { ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT); }

}  // namespace

std::wstring ScreensaverFolder() { return ExpandedAppData() + L"\\Velmora\\Orvanel\\Screensaver"; }

void CreateScreensaverFolder() {
    std::wstring path = ExpandedAppData();
    for (const wchar_t* part : {L"\\Velmora", L"\\Orvanel", L"\\Screensaver"}) {
        path += part;
        ::CreateDirectoryW(path.c_str(), nullptr);
    }
}

CScreensaverApp::CScreensaverApp() : m_context{m_settings, m_translate, m_font, &m_collectors} {
    m_translate.SetFolder(ScreensaverFolder());
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

BOOL CScreensaverApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS |
                                              ICC_USEREX_CLASSES | ICC_DATE_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&icc);

    CreateScreensaverFolder();
    m_settingsPath = ScreensaverFolder() + L"\\settings.ini";
    m_settings.SetFile(m_settingsPath);
    m_settings.Load();
    // The file exists from the first run on, whatever the mode, so the user
    // (and the settings window) always find it where it belongs.
    if (::GetFileAttributesW(m_settingsPath.c_str()) == INVALID_FILE_ATTRIBUTES) m_settings.SaveAll();

    m_translate.Load(m_settings.GetString(L"strLanguage"));
    m_gdiplus.Startup();

    const ScreensaverCommand cmd = ParseScreensaverCommand(m_lpCmdLine ? m_lpCmdLine : L"");
    switch (cmd.mode) {
        case ScreensaverMode::FullScreen:
            RunFullScreen();
            break;
        case ScreensaverMode::Preview:
            RunPreview(cmd.parent);
            break;
        case ScreensaverMode::Settings:
            RunSettings();
            break;
    }
    m_pMainWnd = nullptr;
    m_gdiplus.Shutdown();
    return FALSE;
}

void CScreensaverApp::RunFullScreen() {
    m_collectors.ReadSmbios();
    m_collectors.Build();
    auto board = std::make_unique<CScreensaverDlg>(nullptr, m_context);
    m_pMainWnd = board.get();
    board->DoModal();
    m_pMainWnd = nullptr;
}

void CScreensaverApp::RunSettings() {
    screensaver::CDlgSettings dlg(m_context);
    dlg.DoModal();
}

void CScreensaverApp::RunPreview(int64_t parentValue) {
    HWND parent = reinterpret_cast<HWND>(static_cast<intptr_t>(parentValue));
    if (!parent || !::IsWindow(parent)) return;

    m_collectors.ReadSmbios();
    m_collectors.Build();
    auto board = std::make_unique<CScreensaverDlg>(parent, m_context);
    m_pMainWnd = board.get();
    if (!board->Create(IDD_SCR_PREVIEW, parent)) {
        m_pMainWnd = nullptr;
        return;
    }
    board->ShowWindow(SW_SHOW);
    ::UpdateWindow(board->m_hWnd);

    while (::IsWindow(parent) && !::IsWindowVisible(parent)) {
        if (!PumpMessages(parent)) break;
        WaitForMessagesOrPoll();
    }
    while (::IsWindow(parent) && ::IsWindowVisible(parent) && board->m_hWnd && ::IsWindow(board->m_hWnd)) {
        if (!PumpMessages(nullptr)) break;
        WaitForMessagesOrPoll();
    }
    if (board->m_hWnd) board->DestroyWindow();
    m_pMainWnd = nullptr;
}
