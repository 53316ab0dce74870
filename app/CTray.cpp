#include "app/CTray.h"

#include "app/AppMessages.h"
#include "app/COrvanelApp.h"
#include "resources/resource.h"

CTray::CTray() : m_nid{} {
    m_nid.cbSize = sizeof(m_nid);
    m_nid.uID = IDR_MAINFRAME;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.hIcon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                                  IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                  ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wcsncpy(m_nid.szTip, L"Orvanel", 127);
}

CTray::~CTray() { Delete(); }

void CTray::Add() {
    if (m_nid.hWnd) ::Shell_NotifyIconW(NIM_ADD, &m_nid);
}

void CTray::Delete() {
    if (m_nid.hWnd) ::Shell_NotifyIconW(NIM_DELETE, &m_nid);
}

void CTray::ShowMenu() {
    HWND owner = m_nid.hWnd;
    ::SetForegroundWindow(owner);
    HMENU menu = ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MENU_TRAY));
    if (!menu) return;
    HMENU popup = ::GetSubMenu(menu, 0);
    static const MenuText kByPosition[] = {
        {ID_TRAY_OPEN, 9}, {0, kKeepMenuItem}, {ID_TRAY_HELP, 6}, {ID_TRAY_UPDATE, 7}, {0, kKeepMenuItem}, {ID_TRAY_EXIT, 8},
    };
    GetApp()->m_translate.TranslateMenu(popup, kByPosition, sizeof(kByPosition) / sizeof(kByPosition[0]), nullptr, 0);
    ::SetMenuDefaultItem(popup, ID_TRAY_OPEN, FALSE);
    POINT pt{};
    ::GetCursorPos(&pt);
    ::TrackPopupMenu(popup, TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner, nullptr);
    ::DestroyMenu(menu);
    ::PostMessageW(owner, WM_NULL, 0, 0);
}
