#include "pages/CDlgCtrlUsageHistory.h"

#include <algorithm>

#include "framework/GdiPlus.h"
#include "pages/UsagePaint.h"
#include "pages/core/UsageGraphGeometry.h"
#include "resources/resource.h"
#include "settings/CAppearance.h"

CDlgCtrlUsageHistory::CDlgCtrlUsageHistory() : CDialogEx(IDD_USAGE_CTRL) {}

CDlgCtrlUsageHistory::~CDlgCtrlUsageHistory() = default;

BOOL CDlgCtrlUsageHistory::OnInitDialog() {
    CDialogEx::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, kHistoryWidth, kHistoryHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CDlgCtrlUsageHistory::AppendSample(int sample) {
    samples.push_back(sample);
    const RECT client = m_hWnd ? GetClientRect() : RECT{};
    TrimSamples(samples, std::max<int>(client.right - client.left, kHistoryWidth));
}

void CDlgCtrlUsageHistory::Redraw() const {
    if (m_hWnd) RedrawNow(m_hWnd);
}

bool CDlgCtrlUsageHistory::Render(HDC dc, int width, int height) {
    Gdiplus::Graphics g(dc);
    if (g.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::SolidBrush background{Gdiplus::Color(kUsageBackground)};
    g.FillRectangle(&background, 0, 0, width, height);

    const HistoryFrame frame = PaintHistory(samples, gridPhase, width, height);
    Gdiplus::Pen grid(Gdiplus::Color(kUsageGrid), 1.0f);
    for (int x : frame.verticalGrid) g.DrawLine(&grid, x, 0, x, height);
    for (int y : frame.horizontalGrid) g.DrawLine(&grid, 0, y, width, y);

    if (!frame.curve.empty()) {
        Gdiplus::Pen curvePen(Gdiplus::Color(kUsageLit), 1.0f);
        Gdiplus::GraphicsPath path;
        for (const CurveSegment& s : frame.curve) path.AddLine(s.x1, s.y1, s.x2, s.y2);
        g.DrawPath(&curvePen, &path);
    }
    return true;
}

bool CDlgCtrlUsageHistory::OnPaint() {
    PaintBuffered(m_hWnd, [this](HDC dc, int w, int h) { return Render(dc, w, h); });
    return true;
}

bool CDlgCtrlUsageHistory::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    // The paint covers every pixel; erasing first would only flash.
    if (msg == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    return CDialogEx::OnMessage(msg, wp, lp, result);
}
