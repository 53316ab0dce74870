#include "widgets/CWidgetRenderer.h"

#include <functional>

#include "common/Format.h"
#include "settings/CTranslate.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"
#include "widgets/CWidgetSources.h"
#include "widgets/WidgetPaint.h"

using namespace Gdiplus;

namespace {

const std::wstring& Text(const CDlgWidget& w, size_t index) {
    static const std::wstring empty;
    const CTranslate* texts = w.Manager().Context().Texts;
    return texts ? texts->Text(index) : empty;
}

int SampleOf(CDlgWidget& w, WidgetMetric metric) {
    CWidgetSources* sources = w.Manager().Context().Sources;
    return sources ? sources->Sample(metric) : -1;
}

// The title of a gauge or graph: a text of the table, or the fixed "GPU".
std::wstring TitleOf(const CDlgWidget& w, WidgetFamily family, WidgetMetric metric) {
    const int index = WidgetTitleText(family, metric);
    return index < 0 ? std::wstring(L"GPU") : Text(w, static_cast<size_t>(index));
}

// What a cached layer was drawn for: a change of any of these redraws it.
struct LayerKey {
    uint32_t Lit = 0, Label = 0, Glow = 0, Fill = 0;
    bool Background = false;
    int Width = 0, Height = 0;
    const Font* DrawingFont = nullptr;
    std::wstring Title;
    bool operator==(const LayerKey& o) const {
        return Lit == o.Lit && Label == o.Label && Glow == o.Glow && Fill == o.Fill && Background == o.Background &&
               Width == o.Width && Height == o.Height && DrawingFont == o.DrawingFont && Title == o.Title;
    }
};

LayerKey KeyOf(const CDlgWidget& w) {
    const WidgetColors& c = w.Colors();
    return {c.Lit, c.Label, c.Glow, c.Fill, w.Background(), w.Width(), w.Height(), w.DrawingFont(), std::wstring()};
}

// ---- level bar ------------------------------------------------------------

class CLevelBarRenderer : public CWidgetRenderer {
public:
    explicit CLevelBarRenderer(WidgetMetric metric) : m_metric(metric) {}

    bool Advance(CDlgWidget& w) override {
        const int before = m_value;
        m_value = SampleOf(w, m_metric);
        return m_value != before;
    }

    void Draw(Graphics& g, CDlgWidget& w, bool /*useCaches*/) override {
        const WidgetColors& c = w.Colors();
        DrawWidgetFrame(g, w.Width(), w.Height(), c, w.Background());
        const BarLayout bar = LayOutBar(w.Width(), m_value);
        // Two rows per level; each colour's rows go in one call (a call per
        // row costs more than the rest of the frame).
        std::vector<Rect> litRows, unlitRows;
        for (const BarSegment& s : bar.Segments) {
            auto& rows = s.Lit ? litRows : unlitRows;
            rows.emplace_back(bar.X0, s.Y, kBarSegmentWidth, 1);
            rows.emplace_back(bar.X0 + kBarSegmentWidth + kBarColumnGap, s.Y, kBarSegmentWidth, 1);
        }
        SolidBrush lit(ToColor(c.Lit)), unlit(ToColor(c.Glow));
        if (!litRows.empty()) g.FillRectangles(&lit, litRows.data(), static_cast<INT>(litRows.size()));
        if (!unlitRows.empty()) g.FillRectangles(&unlit, unlitRows.data(), static_cast<INT>(unlitRows.size()));
        if (bar.Halo) g.FillRectangle(&unlit, ToRect(bar.HaloRect));
        if (const Font* font = w.DrawingFont()) {
            DrawCentredText(g, TitleOf(w, WidgetFamily::LevelBar, m_metric), *font, kBarTitleY, w.Width(), c);
            DrawCentredText(g, Format(L"%i%ls", m_value, L"%"), *font, kBarValueY, w.Width(), c);
        }
    }

private:
    WidgetMetric m_metric;
    int m_value = 0;
};

// ---- arrow gauge ------------------------------------------------------------

class CArrowRenderer : public CWidgetRenderer {
public:
    explicit CArrowRenderer(WidgetMetric metric) : m_metric(metric) {}

    bool Advance(CDlgWidget& w) override {
        return AdvanceNeedle(w.State().Needle, [&] { return SampleOf(w, m_metric); });
    }

    void Draw(Graphics& g, CDlgWidget& w, bool useCaches) override {
        const DialLayout d = LayOutDial(w.Width(), w.Height());
        g.SetSmoothingMode(SmoothingModeHighQuality);
        if (!useCaches) {
            DrawDial(g, w, d);
            DrawNeedle(g, w, d);
            DrawHubAndLabels(g, w, d);
            return;
        }
        // The dial and the labels look the same in every frame: they are
        // drawn once per window and look, and only the needle each time.
        LayerKey key = KeyOf(w);
        key.Title = TitleOf(w, WidgetFamily::Arrow, m_metric);
        if (!(key == m_key) || !m_under || !m_over) {
            m_key = key;
            m_under = DrawLayer(w, [&](Graphics& layer) { DrawDial(layer, w, d); });
            m_over = DrawLayer(w, [&](Graphics& layer) { DrawHubAndLabels(layer, w, d); });
        }
        PutLayer(g, *m_under);
        DrawNeedle(g, w, d);
        PutLayer(g, *m_over);
    }

private:
    void DrawDial(Graphics& g, CDlgWidget& w, const DialLayout& d) const {
        const WidgetColors& c = w.Colors();
        StrokeWithGlow(c.Label, c.Glow, [&](Pen& pen) { g.DrawArc(&pen, ToRect(d.Frame), 0.0f, 360.0f); });
        if (w.Background()) {
            SolidBrush fill(ToColor(c.Fill));
            g.FillEllipse(&fill, ToRect(d.Fill));
        }
        StrokeWithGlow(c.Lit, c.Glow,
                       [&](Pen& pen) { g.DrawArc(&pen, ToRect(d.ArcSquare), d.ArcStart, d.ArcSweep); });
    }

    void DrawNeedle(Graphics& g, CDlgWidget& w, const DialLayout& d) const {
        const WidgetColors& c = w.Colors();
        g.TranslateTransform(d.Centre.X, d.Centre.Y);
        g.RotateTransform(NeedleAngle(w.State().Needle.Shown));
        g.TranslateTransform(-d.Centre.X, -d.Centre.Y);
        StrokeWithGlow(c.Lit, c.Glow, [&](Pen& pen) {
            g.DrawLine(&pen, d.NeedleFrom.X, d.NeedleFrom.Y, d.NeedleTo.X, d.NeedleTo.Y);
        });
        g.ResetTransform();
    }

    void DrawHubAndLabels(Graphics& g, CDlgWidget& w, const DialLayout& d) const {
        const WidgetColors& c = w.Colors();
        StrokeWithGlow(c.Lit, c.Glow, [&](Pen& pen) { g.DrawEllipse(&pen, ToRect(d.Hub)); });
        if (const Font* font = w.DrawingFont()) {
            const std::wstring caption = TitleOf(w, WidgetFamily::Arrow, m_metric) + L", %";
            DrawCentredText(g, caption, *font, d.CaptionY, w.Width(), c);
            DrawGlowText(g, L"0", *font, d.LabelZero, c);
            DrawGlowText(g, L"100", *font, d.LabelHundred, c);
        }
    }

    std::unique_ptr<Bitmap> DrawLayer(CDlgWidget& w, const std::function<void(Graphics&)>& draw) const {
        auto layer = std::make_unique<Bitmap>(w.Width(), w.Height(), PixelFormat32bppPARGB);
        Graphics g(layer.get());
        g.SetSmoothingMode(SmoothingModeHighQuality);
        draw(g);
        return layer;
    }

    static void PutLayer(Graphics& g, Bitmap& layer) {
        g.DrawImage(&layer, 0, 0, static_cast<INT>(layer.GetWidth()), static_cast<INT>(layer.GetHeight()));
    }

    LayerKey m_key;
    std::unique_ptr<Bitmap> m_under, m_over;
    WidgetMetric m_metric;
};

// ---- history graph ------------------------------------------------------------

class CHistoryRenderer : public CWidgetRenderer {
public:
    explicit CHistoryRenderer(WidgetMetric metric) : m_metric(metric) {}

    bool Advance(CDlgWidget& w) override {
        std::vector<int>& history = w.State().History;
        history.push_back(100 - SampleOf(w, m_metric));
        TrimHistory(history, w.Width());
        return true;  // the graph scrolls every sample
    }

    void Draw(Graphics& g, CDlgWidget& w, bool /*useCaches*/) override {
        const WidgetColors& c = w.Colors();
        DrawWidgetFrame(g, w.Width(), w.Height(), c, w.Background());
        const std::vector<GeoSegment> line = HistoryLine(w.State().History, w.Width(), w.Height());
        if (!line.empty()) {
            Pen pen(ToColor(c.Lit), 1.0f);
            for (const HistoryPass& pass : kHistoryPasses) {
                pen.SetColor(ToColor(pass.Alpha ? WithAlpha(c.Glow, pass.Alpha) : c.Lit));
                GraphicsPath path;
                const float d = static_cast<float>(pass.Offset);
                for (const GeoSegment& s : line) path.AddLine(s.From.X, s.From.Y + d, s.To.X, s.To.Y + d);
                g.DrawPath(&pen, &path);
            }
        }
        if (const Font* font = w.DrawingFont())
            DrawGlowText(g, TitleOf(w, WidgetFamily::History, m_metric), *font, kHistoryTitle, c);
    }

private:
    WidgetMetric m_metric;
};

// ---- text panels --------------------------------------------------------------

class CTextPanelRenderer : public CWidgetRenderer {
public:
    explicit CTextPanelRenderer(std::wstring kind) : m_kind(std::move(kind)) {}

    bool Advance(CDlgWidget& w) override {
        PanelContent now = ReadPanel(m_kind, w, m_cache);
        // The wireless list sizes its window to its networks (the frame
        // drawn now already has the new height).
        if (m_kind == L"WirelessAvailableNetworks") w.Resize(PanelHeightForLines(now.Lines.size()));
        const bool changed = !(now == m_content);
        m_content = std::move(now);
        return changed;
    }

    void Draw(Graphics& g, CDlgWidget& w, bool /*useCaches*/) override {
        const WidgetColors& c = w.Colors();
        DrawWidgetFrame(g, w.Width(), w.Height(), c, w.Background());
        const Font* font = w.DrawingFont();
        if (!font) return;
        if (m_content.HasTitle) DrawCentredText(g, m_content.Title, *font, kPanelTitleY, w.Width(), c);
        for (size_t i = 0; i < m_content.Lines.size(); ++i)
            DrawGlowText(g, m_content.Lines[i], *font,
                         {static_cast<float>(kPanelTextX), static_cast<float>(PanelLineY(i, m_content.HasTitle))}, c);
    }

    const PanelContent& Content() const { return m_content; }

private:
    std::wstring m_kind;
    PanelContent m_content;
    PanelCache m_cache;
};

}  // namespace

std::unique_ptr<CWidgetRenderer> MakeWidgetRenderer(const WidgetKind& kind) {
    switch (kind.Family) {
        case WidgetFamily::LevelBar: return std::make_unique<CLevelBarRenderer>(kind.Metric);
        case WidgetFamily::Arrow: return std::make_unique<CArrowRenderer>(kind.Metric);
        case WidgetFamily::History: return std::make_unique<CHistoryRenderer>(kind.Metric);
        case WidgetFamily::TextPanel: return std::make_unique<CTextPanelRenderer>(kind.Name);
    }
    return nullptr;
}
