#include "pages/CDlgCtrlUsage.h"

#include <cstring>

#include "common/Format.h"
#include "pages/core/UsageGraphGeometry.h"

CDlgCtrlUsage::CDlgCtrlUsage() : CUsageControl(kGaugeWidth, kGaugeHeight) {}

CDlgCtrlUsage::~CDlgCtrlUsage() = default;

namespace {

// The background and every level line in the colour `layout` gives it.
bool DrawLevels(HDC dc, int width, int height, const GaugeLayout& layout) {
    Gdiplus::Graphics g(dc);
    if (g.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::SolidBrush background{Gdiplus::Color(kUsageBackground)};
    g.FillRectangle(&background, 0, 0, width, height);
    Gdiplus::SolidBrush lit{Gdiplus::Color(kUsageLit)};
    Gdiplus::SolidBrush unlit{Gdiplus::Color(kUsageUnlit)};
    for (const GaugeLine& line : layout.lines) {
        Gdiplus::SolidBrush* brush = line.lit ? &lit : &unlit;
        g.FillRectangle(brush, layout.xLeft, line.y, kGaugeBarWidth, 1);
        g.FillRectangle(brush, layout.xRight, line.y, kGaugeBarWidth, 1);
    }
    return true;
}

}  // namespace

bool CDlgCtrlUsage::PrepareLevels(HDC like, int width, int height) {
    const bool fresh = m_unlit.Prepare(like, width, height);
    if (!m_unlit.Dc()) return false;
    if (fresh && !DrawLevels(m_unlit.Dc(), width, height, LayOutGauge(width, 0))) {
        m_unlit.Reset();
        return false;
    }
    const bool freshLit = m_lit.Prepare(like, width, height);
    if (!m_lit.Dc()) return false;
    if (freshLit && !DrawLevels(m_lit.Dc(), width, height, LayOutGauge(width, kGaugeLevels))) {
        m_lit.Reset();
        return false;
    }
    return true;
}

const Gdiplus::Font* CDlgCtrlUsage::ValueFont(HDC dc, HFONT font) {
    LOGFONTW lf{};
    if (!font || !::GetObjectW(font, sizeof(lf), &lf))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = 14;
    if (!m_valueFont || std::memcmp(&lf, &m_valueLogFont, sizeof(lf)) != 0) {
        m_valueFont = std::make_unique<Gdiplus::Font>(dc, &lf);
        m_valueLogFont = lf;
    }
    return m_valueFont.get();
}

bool CDlgCtrlUsage::Render(HDC dc, int width, int height, HFONT font) {
    if (!PrepareLevels(dc, width, height)) return false;
    const GaugeLayout layout = LayOutGauge(width, value);
    const int split = FirstLitRow(layout);
    m_unlit.CopyTo(dc, 0, 0, 0, 0, width, split);
    m_lit.CopyTo(dc, 0, split, 0, split, width, height - split);

    Gdiplus::Graphics g(dc);
    if (g.GetLastStatus() != Gdiplus::Ok) return false;
    Gdiplus::SolidBrush lit{Gdiplus::Color(kUsageLit)};
    const std::wstring text = Format(L"%i%ls", value, L"%");
    g.DrawString(text.c_str(), -1, ValueFont(dc, font),
                 Gdiplus::PointF(static_cast<Gdiplus::REAL>(layout.textX), static_cast<Gdiplus::REAL>(layout.textY)),
                 &lit);
    return true;
}

bool CDlgCtrlUsage::Draw(HDC dc, int width, int height) { return Render(dc, width, height, GetFont()); }
