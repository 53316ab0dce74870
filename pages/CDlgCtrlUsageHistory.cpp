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

bool CDlgCtrlUsageHistory::PrepareGrid(HDC like, int width, int height) {
    const GridStrip strip = LayOutGridStrip(width, height);
    if (!m_grid.Prepare(like, strip.width, height)) return m_grid.Dc() != nullptr;
    Gdiplus::Graphics g(m_grid.Dc());
    if (g.GetLastStatus() != Gdiplus::Ok) {
        m_grid.Reset();
        return false;
    }
    Gdiplus::SolidBrush background{Gdiplus::Color(kUsageBackground)};
    g.FillRectangle(&background, 0, 0, strip.width, height);
    Gdiplus::Pen grid(Gdiplus::Color(kUsageGrid), 1.0f);
    for (int x : strip.verticalGrid) g.DrawLine(&grid, x, 0, x, height);
    for (int y : strip.horizontalGrid) g.DrawLine(&grid, 0, y, strip.width, y);
    return true;
}

bool CDlgCtrlUsageHistory::Render(HDC dc, int width, int height) {
    if (!PrepareGrid(dc, width, height)) return false;
    const int phase = gridPhase;
    const HistoryFrame frame = PaintHistory(samples, gridPhase, width, height);
    m_grid.CopyTo(dc, 0, 0, phase, 0, width, height);

    if (!frame.curve.empty()) {
        Gdiplus::Graphics g(dc);
        if (g.GetLastStatus() != Gdiplus::Ok) return false;
        Gdiplus::Pen curvePen(Gdiplus::Color(kUsageLit), 1.0f);
        Gdiplus::GraphicsPath path;
        for (const CurveSegment& s : frame.curve) path.AddLine(s.x1, s.y1, s.x2, s.y2);
        g.DrawPath(&curvePen, &path);
    }
    return true;
}

bool CDlgCtrlUsageHistory::Draw(HDC dc, int width, int height) { return Render(dc, width, height); }
