#include "settings/CStyledDialog.h"

BOOL CStyledDialog::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_look.LoadPicture();
    m_look.ApplyDarkMode(nullptr, Options().GetBool(L"fDarkMode"));
    return TRUE;
}

bool CStyledDialog::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    if (dc) m_look.PaintBackground(dc, GetClientRect());
    ::EndPaint(m_hWnd, &ps);
    return true;
}

HBRUSH CStyledDialog::OnCtlColor(HDC dc, HWND control, UINT ctlType) { return m_look.CtlColor(dc, control, ctlType); }

bool CStyledDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_ERASEBKGND && m_look.PaintsWholeClient()) {
        // The whole client area is painted in WM_PAINT.
        *result = 1;
        return true;
    }
    return CDialogEx::OnMessage(msg, wp, lp, result);
}
