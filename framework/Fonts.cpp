#include "framework/Fonts.h"

HFONT DeriveFont(HWND control, void (*change)(LOGFONTW&)) {
    HFONT current = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    if (!current) current = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW lf{};
    ::GetObjectW(current, sizeof(lf), &lf);
    change(lf);
    return ::CreateFontIndirectW(&lf);
}
