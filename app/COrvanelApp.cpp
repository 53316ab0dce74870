#include "app/COrvanelApp.h"

#include <commctrl.h>

#include "app/COrvanelDlg.h"
#include "collectors/SmbiosReader.h"
#include "resources/resource.h"
#include "services/Autorun.h"

namespace {
const wchar_t kEmbeddedFontFace[] = L"Sebastian Gothic NBP";
const wchar_t kInstanceMutex[] = L"VelmoraOrvanelMutex";
}  // namespace

COrvanelApp* GetApp() { return static_cast<COrvanelApp*>(AfxGetApp()); }

COrvanelApp::COrvanelApp() = default;

COrvanelApp::~COrvanelApp() {
    if (m_collectorTimer) ::KillTimer(nullptr, m_collectorTimer);
    // The collectors (members) go after this, in reverse order of declaration.
    if (m_collectorWorker.joinable()) m_collectorWorker.join();
}

namespace {
// Constructs one collector; null when its construction throws (the
// accessors then stand an empty one in).
template <class T, class... Args>
std::unique_ptr<T> Gather(Args... args) noexcept {
    try {
        return std::make_unique<T>(args...);
    } catch (...) {
        return nullptr;
    }
}
}  // namespace

void COrvanelApp::CreateCollectors() {
    if (m_collectorsBuilt.load(std::memory_order_acquire)) return;
    m_dateTime = Gather<CDateTime>();
    m_audio = Gather<CHardwareAudio>();
    m_cpu = Gather<CHardwareCPU>();
    m_graphics = Gather<CHardwareGraphics>();
    m_memory = Gather<CHardwareMemory>(&m_smbios);
    m_motherboard = Gather<CHardwareMotherboard>();
    m_network = Gather<CHardwareNetwork>();
    m_storage = Gather<CHardwareStorage>();
    m_software = Gather<CSoftware>();
    m_collectorsBuilt.store(true, std::memory_order_release);
}

void COrvanelApp::CreateCollectorsInBackground() {
    if (m_collectorTimer || m_collectorWorker.joinable() || m_collectorsBuilt.load(std::memory_order_acquire))
        return;
    // A thread timer fires from the first message loop once the queue is
    // idle, that is after the main window has been shown and painted.
    m_collectorTimer = ::SetTimer(nullptr, 0, 0, OnCollectorTimer);
    if (!m_collectorTimer) CreateCollectors();
}

void CALLBACK COrvanelApp::OnCollectorTimer(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    COrvanelApp* app = GetApp();
    if (app->m_collectorTimer != id) return;
    app->m_collectorTimer = 0;
    try {
        app->m_collectorWorker = std::thread([app] { app->CreateCollectors(); });
    } catch (...) {
        app->CreateCollectors();  // no thread to be had: gather them here
    }
}

bool COrvanelApp::CollectorsPending() const {
    return m_collectorTimer || (m_collectorWorker.joinable() && !m_collectorsBuilt.load(std::memory_order_acquire));
}

void COrvanelApp::WaitForCollectors() {
    // Only the user-interface thread asks for collectors, so one join does.
    if (m_collectorWorker.joinable()) m_collectorWorker.join();
    if (m_collectorTimer) {
        ::KillTimer(nullptr, m_collectorTimer);
        m_collectorTimer = 0;
    }
    // Needed before the worker ran (or before anyone asked for them):
    // gather them here and now.
    CreateCollectors();
}

void COrvanelApp::SetAppFont(const std::wstring& fontName) {
    if (fontName.empty()) {
        m_appFont.Reset();
        return;
    }
    if (fontName != kEmbeddedFontFace) return;

    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_FONT), RT_FONT);
    if (!res) return;
    HGLOBAL loaded = ::LoadResource(module, res);
    void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    DWORD size = ::SizeofResource(module, res);
    if (!bytes || size == 0) return;
    DWORD fonts = 0;
    if (!::AddFontMemResourceEx(bytes, size, nullptr, &fonts)) return;
    if (m_appFont) return;

    LOGFONTW lf{};
    lf.lfHeight = 14;
    wcsncpy(lf.lfFaceName, fontName.c_str(), LF_FACESIZE - 1);
    m_appFont.Reset(::CreateFontIndirectW(&lf));
}

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
        ::MessageBoxW(nullptr, Text(3).c_str(), m_pszExeName.c_str(), MB_OK | MB_ICONWARNING);
        return FALSE;
    }

    ReadSmbiosTable(m_smbios);
    // The pages show their noise while the collectors gather: the main
    // window does not wait for them.
    CreateCollectorsInBackground();

    m_gdiplus.Startup();
    RunMainWindow();
    // Everything that drew with GDI+ is gone by now.
    m_gdiplus.Shutdown();
    return FALSE;
}

void COrvanelApp::RunMainWindow() {
    {
        COrvanelDlg dlg;
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
