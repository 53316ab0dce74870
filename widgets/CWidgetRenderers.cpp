#include "widgets/CWidgetRenderer.h"

#include <any>
#include <cstring>
#include <functional>

#include "common/Format.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"
#include "widgets/WidgetPaint.h"

using namespace Gdiplus;

namespace {

const std::wstring& Text(const CDlgWidget& w, size_t index) { return w.Context().Text(index); }

int SampleOf(CDlgWidget& w, WidgetMetric metric) { return w.Manager().Sample(metric); }

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

// A picture drawn once and laid over every frame until what it shows
// changes: the frame, the dial, texts that stay the same. Drawing text and
// wide glows costs far more than laying a finished picture down.
class CLayer {
public:
    // Redraws the layer when `key` differs from the one it was drawn for.
    // The layer covers (x, y, width, height) of the widget; `draw` paints in
    // widget coordinates.
    template <typename Key>
    void Put(Graphics& g, const Key& key, int x, int y, int width, int height,
             const std::function<void(Graphics&)>& draw) {
        g.DrawImage(Ensure(key, x, y, width, height, draw), x, y, width, height);
    }

    // Copies a layer that covers the whole widget into a transparent
    // canvas of the same size (`stride` bytes a row), which is what laying
    // it down there would give, for far less; false when it cannot.
    template <typename Key>
    bool CopyTo(BYTE* bits, int stride, const Key& key, int width, int height,
                const std::function<void(Graphics&)>& draw) {
        Bitmap* image = Ensure(key, 0, 0, width, height, draw);
        Rect all(0, 0, width, height);
        BitmapData data{};
        if (image->LockBits(&all, ImageLockModeRead, PixelFormat32bppPARGB, &data) != Ok) return false;
        for (int row = 0; row < height; ++row)
            std::memcpy(bits + static_cast<size_t>(row) * stride, static_cast<const BYTE*>(data.Scan0) + row * data.Stride,
                        static_cast<size_t>(width) * 4);
        image->UnlockBits(&data);
        return true;
    }

private:
    template <typename Key>
    Bitmap* Ensure(const Key& key, int x, int y, int width, int height, const std::function<void(Graphics&)>& draw) {
        if (!m_image || !(std::any_cast<Key>(&m_key) && *std::any_cast<Key>(&m_key) == key) || x != m_x || y != m_y ||
            width != static_cast<int>(m_image->GetWidth()) || height != static_cast<int>(m_image->GetHeight())) {
            m_image = std::make_unique<Bitmap>(width, height, PixelFormat32bppPARGB);
            Graphics layer(m_image.get());
            layer.TranslateTransform(static_cast<REAL>(-x), static_cast<REAL>(-y));
            draw(layer);
            m_key = key;
            m_x = x;
            m_y = y;
        }
        return m_image.get();
    }

    std::unique_ptr<Bitmap> m_image;
    std::any m_key;
    int m_x = 0, m_y = 0;
};

// The frame (and fill) of a rectangular widget; left out when the canvas
// already holds it (`inCanvas`, cleared here).
void PutFrame(Graphics& g, CDlgWidget& w, bool useCaches, CLayer& layer, bool& inCanvas) {
    auto draw = [&](Graphics& target) {
        DrawWidgetFrame(target, w.Width(), w.Height(), w.Colors(), w.Background());
    };
    if (inCanvas) {
        inCanvas = false;
        return;
    }
    if (useCaches)
        layer.Put(g, KeyOf(w), 0, 0, w.Width(), w.Height(), draw);
    else
        draw(g);
}

bool CopyFrame(CDlgWidget& w, CLayer& layer, BYTE* bits, int stride) {
    return layer.CopyTo(bits, stride, KeyOf(w), w.Width(), w.Height(), [&](Graphics& target) {
        DrawWidgetFrame(target, w.Width(), w.Height(), w.Colors(), w.Background());
    });
}

// A line of text with its glow, left at (x, y) or centred across the widget.
struct TextKey {
    LayerKey Look;
    std::wstring Text;
    bool operator==(const TextKey& o) const { return Look == o.Look && Text == o.Text; }
};

void PutText(Graphics& g, CDlgWidget& w, bool useCaches, CLayer& layer, const std::wstring& text, bool centred,
             GeoPoint at) {
    const Font* font = w.DrawingFont();
    if (!font) return;
    auto draw = [&](Graphics& target) {
        if (centred)
            DrawCentredText(target, text, *font, at.Y, w.Width(), w.Colors());
        else
            DrawGlowText(target, text, *font, at, w.Colors());
    };
    if (!useCaches) {
        draw(g);
        return;
    }
    // A band from a little above the line to the next line's start holds
    // the glyphs and their glow copies.
    const int top = static_cast<int>(at.Y) - 4;
    layer.Put(g, TextKey{KeyOf(w), text}, 0, top, w.Width(), kPanelLineStep + 8, draw);
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

    void Draw(Graphics& g, CDlgWidget& w, bool useCaches) override {
        const WidgetColors& c = w.Colors();
        PutFrame(g, w, useCaches, m_frame, m_frameInCanvas);
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
        PutText(g, w, useCaches, m_title, TitleOf(w, WidgetFamily::LevelBar, m_metric), true, {0, kBarTitleY});
        PutText(g, w, useCaches, m_text, Format(L"%i%ls", m_value, L"%"), true, {0, kBarValueY});
    }

private:
    WidgetMetric m_metric;
    int m_value = 0;
    CLayer m_frame, m_title, m_text;
    bool m_frameInCanvas = false;

public:
    bool PaintBase(CDlgWidget& w, BYTE* bits, int stride) override {
        return m_frameInCanvas = CopyFrame(w, m_frame, bits, stride);
    }
};

// ---- arrow gauge ------------------------------------------------------------

class CArrowRenderer : public CWidgetRenderer {
public:
    explicit CArrowRenderer(WidgetMetric metric) : m_metric(metric) {}

    bool Advance(CDlgWidget& w) override {
        return AdvanceNeedle(w.State().Needle, [&] { return SampleOf(w, m_metric); });
    }

    // A needle at rest only waits for its next sample.
    int QuietFrames(const CDlgWidget& w) const override { return NeedleQuietFrames(w.ConstState().Needle); }

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
        if (m_dialInCanvas)
            m_dialInCanvas = false;
        else
            m_under.Put(g, key, 0, 0, w.Width(), w.Height(), [&](Graphics& layer) {
                layer.SetSmoothingMode(SmoothingModeHighQuality);
                DrawDial(layer, w, d);
            });
        DrawNeedle(g, w, d);
        m_over.Put(g, key, 0, 0, w.Width(), w.Height(), [&](Graphics& layer) {
            layer.SetSmoothingMode(SmoothingModeHighQuality);
            DrawHubAndLabels(layer, w, d);
        });
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

    CLayer m_under, m_over;
    bool m_dialInCanvas = false;
    WidgetMetric m_metric;

public:
    bool PaintBase(CDlgWidget& w, BYTE* bits, int stride) override {
        const DialLayout d = LayOutDial(w.Width(), w.Height());
        LayerKey key = KeyOf(w);
        key.Title = TitleOf(w, WidgetFamily::Arrow, m_metric);
        return m_dialInCanvas = m_under.CopyTo(bits, stride, key, w.Width(), w.Height(), [&](Graphics& layer) {
                   layer.SetSmoothingMode(SmoothingModeHighQuality);
                   DrawDial(layer, w, d);
               });
    }
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

    void Draw(Graphics& g, CDlgWidget& w, bool useCaches) override {
        const WidgetColors& c = w.Colors();
        PutFrame(g, w, useCaches, m_frame, m_frameInCanvas);
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
        PutText(g, w, useCaches, m_title, TitleOf(w, WidgetFamily::History, m_metric), false, kHistoryTitle);
    }

private:
    WidgetMetric m_metric;
    CLayer m_frame, m_title;
    bool m_frameInCanvas = false;

public:
    bool PaintBase(CDlgWidget& w, BYTE* bits, int stride) override {
        return m_frameInCanvas = CopyFrame(w, m_frame, bits, stride);
    }
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

    void Draw(Graphics& g, CDlgWidget& w, bool useCaches) override {
        PutFrame(g, w, useCaches, m_frame, m_frameInCanvas);
        if (m_content.HasTitle) PutText(g, w, useCaches, m_title, m_content.Title, true, {0, kPanelTitleY});
        // Most lines read the same as a second ago; only those that changed
        // are drawn anew.
        if (m_lines.size() < m_content.Lines.size()) m_lines.resize(m_content.Lines.size());
        for (size_t i = 0; i < m_content.Lines.size(); ++i)
            PutText(g, w, useCaches, m_lines[i], m_content.Lines[i], false,
                    {static_cast<float>(kPanelTextX), static_cast<float>(PanelLineY(i, m_content.HasTitle))});
    }

    const PanelContent& Content() const { return m_content; }

private:
    std::wstring m_kind;
    PanelContent m_content;
    CLayer m_frame, m_title;
    bool m_frameInCanvas = false;
    std::vector<CLayer> m_lines;
    PanelCache m_cache;

public:
    bool PaintBase(CDlgWidget& w, BYTE* bits, int stride) override {
        return m_frameInCanvas = CopyFrame(w, m_frame, bits, stride);
    }
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
