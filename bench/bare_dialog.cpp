// The yardstick of bench/startup: the least a dialog program does before its
// window is on the screen. One modal dialog from a template in memory, with
// the same link options as orvanel.exe, and nothing else.
#include <windows.h>

#include <cstddef>
#include <cstring>

namespace {

// DLGTEMPLATE followed by empty menu, class and title arrays (WORD-aligned).
struct BareTemplate {
    DLGTEMPLATE dlg;
    WORD menu, windowClass, title;
};

INT_PTR CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
        case WM_INITDIALOG: return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDCANCEL) ::EndDialog(hwnd, 0);
            return TRUE;
        case WM_CLOSE: ::EndDialog(hwnd, 0); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    BareTemplate t;
    std::memset(&t, 0, sizeof(t));
    t.dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER;
    t.dlg.cx = 330;
    t.dlg.cy = 280;
    return static_cast<int>(::DialogBoxIndirectParamW(instance, &t.dlg, nullptr, BareProc, 0));
}
