#include "pages/CDlgCtrlUsage.h"

#include "common/Format.h"
#include "framework/GdiPlus.h"
#include "pages/core/UsageGraphGeometry.h"

CDlgCtrlUsage::CDlgCtrlUsage() : CUsageControl(kGaugeWidth, kGaugeHeight) {}

CDlgCtrlUsage::~CDlgCtrlUsage() = default;

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

bool CDlgCtrlUsage::Draw(HDC dc, int width, int height) { return Render(dc, width, height, GetFont()); }
