#include "widgets/WidgetPaint.h"

using namespace Gdiplus;

void StrokeWithGlow(uint32_t colour, uint32_t glow, const std::function<void(Pen&)>& shape) {
    Pen pen(ToColor(colour), 1.0f);
    shape(pen);
    Pen glowPen(ToColor(glow), 1.0f);
    for (const GlowPass& pass : kGlowPasses) {
        glowPen.SetColor(ToColor(WithAlpha(glow, pass.Alpha)));
        glowPen.SetWidth(pass.Width);
        shape(glowPen);
    }
}

void DrawWidgetFrame(Graphics& g, int width, int height, const WidgetColors& colours, bool background) {
    const Gdiplus::RectF frame = ToRect(FrameRect(width, height));
    StrokeWithGlow(colours.Label, colours.Glow, [&](Pen& pen) { g.DrawRectangle(&pen, frame); });
    if (background) {
        SolidBrush fill(ToColor(colours.Fill));
        g.FillRectangle(&fill, ToRect(FillRect(width, height)));
    }
}

namespace {

template <typename DrawAt>
void WithGlowCopies(Graphics& g, const WidgetColors& colours, DrawAt draw) {
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    SolidBrush label(ToColor(colours.Label));
    draw(label, 0.0f, 0.0f);
    SolidBrush glow(ToColor(colours.Glow));
    for (const GeoPoint& d : kTextGlowOffsets) draw(glow, d.X, d.Y);
}

}  // namespace

void DrawGlowText(Graphics& g, const std::wstring& text, const Font& font, GeoPoint at, const WidgetColors& colours) {
    WithGlowCopies(g, colours, [&](Brush& brush, float dx, float dy) {
        g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::PointF(at.X + dx, at.Y + dy),
                     &brush);
    });
}

void DrawCentredText(Graphics& g, const std::wstring& text, const Font& font, float y, int width,
                     const WidgetColors& colours) {
    StringFormat format;
    format.SetAlignment(StringAlignmentCenter);
    WithGlowCopies(g, colours, [&](Brush& brush, float dx, float dy) {
        const Gdiplus::RectF band(dx, y + dy, static_cast<REAL>(width), static_cast<REAL>(kTextCellHeight));
        g.DrawString(text.c_str(), static_cast<INT>(text.size()), &font, band, &format, &brush);
    });
}
