#include "framework/CMFCButton.h"

#include <commctrl.h>

#include <vector>

namespace {
bool g_themed = true;
const UINT_PTR kSubclassId = 0x4D464342;  // 'MFCB'

COLORREF Mix(COLORREF a, COLORREF b, int percentB) {
    auto mix = [&](int x, int y) { return (x * (100 - percentB) + y * percentB) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}
}  // namespace

CMFCButton::~CMFCButton() {
    if (m_subclassed && m_hWnd && ::IsWindow(m_hWnd)) ::RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
    Detach();
}

void CMFCButton::EnableWindowsTheming(bool enable) { g_themed = enable; }

bool CMFCButton::SubclassDlgItem(int id, HWND dialog) {
    HWND h = ::GetDlgItem(dialog, id);
    if (!h) return false;
    Attach(h);
    m_subclassed = ::SetWindowSubclass(h, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
    return m_subclassed;
}

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

LRESULT CALLBACK CMFCButton::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<CMFCButton*>(ref);
    if (g_themed) return ::DefSubclassProc(hwnd, msg, wp, lp);
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(hwnd, &ps);
            self->Paint(dc);
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!self->m_hot) {
                self->m_hot = true;
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, hwnd, 0};
                ::TrackMouseEvent(&tme);
                ::InvalidateRect(hwnd, nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            self->m_hot = false;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            self->m_pressed = true;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            self->m_pressed = false;
            ::InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case BM_SETSTATE:
        case BM_SETSTYLE: {
            // The default handling paints the themed look directly; paint ours after it.
            LRESULT r = ::DefSubclassProc(hwnd, msg, wp, lp);
            ::InvalidateRect(hwnd, nullptr, FALSE);
            return r;
        }
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, msg, wp, lp);
}
