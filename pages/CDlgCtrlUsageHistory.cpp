#include "pages/CDlgCtrlUsageHistory.h"

#include <algorithm>

#include "framework/GdiPlus.h"
#include "pages/core/UsageGraphGeometry.h"

CDlgCtrlUsageHistory::CDlgCtrlUsageHistory() : CUsageControl(kHistoryWidth, kHistoryHeight) {}

CDlgCtrlUsageHistory::~CDlgCtrlUsageHistory() = default;

void CDlgCtrlUsageHistory::AppendSample(int sample) {
    samples.push_back(sample);
    const RECT client = m_hWnd ? GetClientRect() : RECT{};
    TrimSamples(samples, std::max<int>(client.right - client.left, kHistoryWidth));
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

bool CDlgCtrlUsageHistory::Draw(HDC dc, int width, int height) { return Render(dc, width, height); }
