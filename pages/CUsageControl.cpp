#include "pages/CUsageControl.h"

#include "resources/resource.h"
#include "settings/CAppearance.h"

CUsageControl::CUsageControl(int width, int height)
    : CDialogEx(IDD_USAGE_CTRL), m_width(width), m_height(height) {}

CUsageControl::~CUsageControl() = default;

BOOL CUsageControl::OnInitDialog() {
    CDialogEx::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CUsageControl::Redraw() const {
    if (m_hWnd) RedrawNow(m_hWnd);
}

bool CUsageControl::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    const RECT client = GetClientRect();
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (dc && w > 0 && h > 0) {
        m_buffer.Prepare(dc, w, h);
        if (m_buffer.Dc()) {
            if (Draw(m_buffer.Dc(), w, h)) m_buffer.CopyTo(dc, 0, 0, 0, 0, w, h);
        } else {
            // No bitmap to be had: draw on the window directly.
            Draw(dc, w, h);
        }
    }
    ::EndPaint(m_hWnd, &ps);
    return true;
}

bool CUsageControl::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    // The paint covers every pixel; erasing first would only flash.
    if (msg == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    return CDialogEx::OnMessage(msg, wp, lp, result);
}
