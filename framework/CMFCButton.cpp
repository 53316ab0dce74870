#include "framework/CMFCButton.h"

#include <commctrl.h>

#include <vector>

namespace {
bool g_themed = true;

COLORREF Mix(COLORREF a, COLORREF b, int percentB) {
    auto mix = [&](int x, int y) { return (x * (100 - percentB) + y * percentB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}
}  // namespace

CMFCButton::~CMFCButton() = default;

void CMFCButton::EnableWindowsTheming(bool enable) { g_themed = enable; }

void CMFCButton::SetFaceColor(COLORREF color, bool redraw) {
    m_face = color;
    if (redraw && m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CMFCButton::SetTextColor(COLORREF color) {
    m_text = color;
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CMFCButton::Paint(HDC dc) {
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
    const bool pressed = m_pressed && m_hot;

    COLORREF face = pressed ? Mix(m_face, m_text, 25) : (m_hot ? Mix(m_face, m_text, 12) : m_face);
    HBRUSH faceBrush = ::CreateSolidBrush(face);
    ::FillRect(dc, &rc, faceBrush);
    ::DeleteObject(faceBrush);

    COLORREF text = enabled ? m_text : Mix(m_face, m_text, 45);
    HBRUSH frame = ::CreateSolidBrush(Mix(m_face, m_text, enabled ? 70 : 35));
    ::FrameRect(dc, &rc, frame);
    ::DeleteObject(frame);

    int len = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> caption(len + 1);
    ::GetWindowTextW(m_hWnd, caption.data(), len + 1);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? ::SelectObject(dc, font) : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    RECT textRc = rc;
    if (pressed) ::OffsetRect(&textRc, 1, 1);
    ::DrawTextW(dc, caption.data(), len, &textRc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX);
    if (old) ::SelectObject(dc, old);

    if (::GetFocus() == m_hWnd && !(::SendMessageW(m_hWnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = rc;
        ::InflateRect(&focus, -3, -3);
        ::SetTextColor(dc, m_text);
        ::DrawFocusRect(dc, &focus);
    }
}

bool CMFCButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (g_themed) return false;
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(m_hWnd, &ps);
            Paint(dc);
            ::EndPaint(m_hWnd, &ps);
            *result = 0;
            return true;
        }
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        case WM_MOUSEMOVE:
            if (!m_hot) {
                m_hot = true;
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
                ::TrackMouseEvent(&tme);
                ::InvalidateRect(m_hWnd, nullptr, FALSE);
            }
            return false;
        case WM_MOUSELEAVE:
            m_hot = false;
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_pressed = true;
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return false;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            m_pressed = false;
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return false;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case BM_SETSTATE:
        case BM_SETSTYLE:
            // The default handling paints the themed look directly; paint ours after it.
            *result = ::DefSubclassProc(m_hWnd, msg, wp, lp);
            ::InvalidateRect(m_hWnd, nullptr, FALSE);
            return true;
        default:
            return false;
    }
}
