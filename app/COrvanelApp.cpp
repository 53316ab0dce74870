#include "app/COrvanelApp.h"

#include <commctrl.h>

#include "app/COrvanelDlg.h"
#include "resources/resource.h"
#include "services/Autorun.h"

namespace {
const wchar_t kInstanceMutex[] = L"VelmoraOrvanelMutex";
}  // namespace

COrvanelApp* GetApp() { return static_cast<COrvanelApp*>(AfxGetApp()); }

COrvanelApp::COrvanelApp()
    : m_context{m_options, m_translate, m_appFont, &m_collectors, &m_winsat, &m_monitorWindows} {}

COrvanelApp::~COrvanelApp() = default;

BOOL COrvanelApp::InitInstance() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_DATE_CLASSES |
                                              ICC_USEREX_CLASSES | ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
                                              ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS | ICC_LINK_CLASS};
    ::InitCommonControlsEx(&icc);

    wchar_t appData[260] = {};
    ::ExpandEnvironmentStringsW(L"%APPDATA%", appData, 260);
    std::wstring path = appData;
    path += L"\\Velmora";
    ::CreateDirectoryW(path.c_str(), nullptr);
    path += L"\\Orvanel";
    ::CreateDirectoryW(path.c_str(), nullptr);
    path += L"\\settings.ini";
    m_settingsPath = path;
    m_options.SetFile(path);
    m_options.Load();

    m_translate.Load(m_options.GetString(L"strLanguage"));

    std::wstring font = m_options.GetString(L"strFont");
    if (!font.empty()) SetAppFont(font);

    m_mutex.Reset(::CreateMutexW(nullptr, FALSE, kInstanceMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::MessageBoxW(nullptr, m_translate.Text(3).c_str(), m_pszExeName.c_str(), MB_OK | MB_ICONWARNING);
        return FALSE;
    }

    m_collectors.ReadSmbios();
    // The pages show their noise while the collectors gather: the main
    // window does not wait for them.
    m_collectors.BuildInBackground();

    m_gdiplus.Startup();
    StartWidgets();
    RunMainWindow();
    if (m_options.GetBool(L"fWidgetsEnable")) m_widgets.CloseEnabled();
    m_widgets.CloseAll();  // whatever else is open draws with GDI+ too
    // Everything that drew with GDI+ is gone by now.
    m_gdiplus.Shutdown();
    return FALSE;
}

void COrvanelApp::StartWidgets() {
    m_widgets.Load();
    if (m_options.GetBool(L"fFirstRun")) {
        m_widgets.ApplyFirstRunLayout();
        m_options.SetBool(L"fFirstRun", false);
    }
    if (m_options.GetBool(L"fWidgetsEnable")) m_widgets.ShowEnabled();
}

void COrvanelApp::RunMainWindow() {
    {
        COrvanelDlg dlg(m_context, &m_widgets);
        m_pMainWnd = &dlg;
        const std::wstring tail = m_lpCmdLine;
        if (tail == L"-uninstalltask") {
            DeleteAutorunTask();  // silent either way
        } else {
            if (tail == L"-auto") dlg.m_fAutoStart = true;
            dlg.DoModal();
        }
        m_monitorWindows.clear();
        m_pMainWnd = nullptr;
    }
}
