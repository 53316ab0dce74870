#include "pages/CDlgCtrlUsage.h"

#include "common/Format.h"
#include "framework/GdiPlus.h"
#include "pages/UsagePaint.h"
#include "pages/core/UsageGraphGeometry.h"
#include "resources/resource.h"
#include "settings/CAppearance.h"

CDlgCtrlUsage::CDlgCtrlUsage() : CDialogEx(IDD_USAGE_CTRL) {}

CDlgCtrlUsage::~CDlgCtrlUsage() = default;

BOOL CDlgCtrlUsage::OnInitDialog() {
    CDialogEx::OnInitDialog();
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, kGaugeWidth, kGaugeHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void CDlgCtrlUsage::Redraw() const {
    if (m_hWnd) RedrawNow(m_hWnd);
}

bool CDlgCtrlUsage::Render(HDC dc, int width, int height, HFONT font) const {
    Gdiplus::Graphics g(dc);
    if (g.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::SolidBrush background{Gdiplus::Color(kUsageBackground)};
    g.FillRectangle(&background, 0, 0, width, height);

    const GaugeLayout layout = LayOutGauge(width, value);
    Gdiplus::SolidBrush lit{Gdiplus::Color(kUsageLit)};
    Gdiplus::SolidBrush unlit{Gdiplus::Color(kUsageUnlit)};
    for (const GaugeLine& line : layout.lines) {
        Gdiplus::SolidBrush* brush = line.lit ? &lit : &unlit;
        g.FillRectangle(brush, layout.xLeft, line.y, kGaugeBarWidth, 1);
        g.FillRectangle(brush, layout.xRight, line.y, kGaugeBarWidth, 1);
    }

    LOGFONTW lf{};
    if (!font || !::GetObjectW(font, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = 14;
    Gdiplus::Font textFont(dc, &lf);
    const std::wstring text = Format(L"%i%ls", value, L"%");
    g.DrawString(text.c_str(), -1, &textFont,
                 Gdiplus::PointF(static_cast<Gdiplus::REAL>(layout.textX), static_cast<Gdiplus::REAL>(layout.textY)),
                 &lit);
    return true;
}

bool CDlgCtrlUsage::OnPaint() {
    const HFONT font = GetFont();
    PaintBuffered(m_hWnd, [this, font](HDC dc, int w, int h) { return Render(dc, w, h, font); });
    return true;
}

bool CDlgCtrlUsage::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    // The paint covers every pixel; erasing first would only flash.
    if (msg == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    return CDialogEx::OnMessage(msg, wp, lp, result);
}
