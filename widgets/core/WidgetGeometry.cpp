#include "widgets/core/WidgetGeometry.h"

#include <cmath>

GeoRect FrameRect(int width, int height) {
    return {4.0f, 4.0f, static_cast<float>(width - 9), static_cast<float>(height - 9)};
}

GeoRect FillRect(int width, int height) {
    return {3.0f, 3.0f, static_cast<float>(width - 9), static_cast<float>(height - 9)};
}

BarLayout LayOutBar(int width, int value) {
    BarLayout bar;
    bar.X0 = (width - 41) / 2;
    int y = kBarTop;
    int top = kBarTop;
    bool anyLit = false;
    for (int v = kBarLevels - 1, i = 0; v >= 0; --v, ++i) {
        const bool lit = v < value;
        bar.Segments[i] = {y, lit};
        if (!lit) top = y;
        anyLit = anyLit || lit;
        y += 1;
        if (i % 2 == 1) y += 2;  // pairs of rows with a 2-pixel gap between
    }
    bar.Halo = anyLit;
    bar.HaloRect = {static_cast<float>(bar.X0 - 2), static_cast<float>(top - 2), 45.0f,
                    static_cast<float>(kBarBottom - top + 2)};
    return bar;
}

DialLayout LayOutDial(int width, int height) {
    DialLayout d;
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    d.Frame = {4.0f, 4.0f, w - 9, h - 9};
    d.Fill = {5.0f, 5.0f, w - 10, h - 10};
    const float size = h - 28;
    const float x = (w - size) * 0.5f;
    const float y = (h - size) * 0.5f - 1;
    d.ArcSquare = {x, y, size, size};
    d.Centre = {x + size * 0.5f, y + size * 0.5f};
    d.NeedleFrom = {d.Centre.X, d.Centre.Y - 20};
    d.NeedleTo = {d.Centre.X, y + 10};
    d.Hub = {d.Centre.X - 10, d.Centre.Y - 10, 20, 20};
    d.CaptionY = d.Centre.Y + (d.Centre.Y - y) * 0.25f;
    d.LabelZero = {x + 13, d.Centre.Y + size * 0.25f - 15};
    d.LabelHundred = {x + size - 37, d.Centre.Y + size * 0.25f - 15};
    return d;
}

float NeedleAngle(int shown) { return static_cast<float>(shown) * 2.4f - 120.0f; }

GeoSegment NeedleAt(const DialLayout& dial, int shown) {
    const double a = NeedleAngle(shown) * 3.14159265358979323846 / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    auto turn = [&](GeoPoint p) {
        // Clockwise on the screen (y grows downward), as the world transform turns.
        const double dx = p.X - dial.Centre.X, dy = p.Y - dial.Centre.Y;
        return GeoPoint{static_cast<float>(dial.Centre.X + dx * c - dy * s),
                      static_cast<float>(dial.Centre.Y + dx * s + dy * c)};
    };
    return {turn(dial.NeedleFrom), turn(dial.NeedleTo)};
}

bool AdvanceNeedle(NeedleState& needle, const std::function<int()>& sample) {
    if (needle.Tick == 0) needle.Target = sample();
    needle.Tick = needle.Tick < kNeedleSampleFrames - 1 ? needle.Tick + 1 : 0;
    const int before = needle.Shown;
    if (needle.Shown == -1)
        needle.Shown = needle.Target;
    else if (needle.Shown < needle.Target)
        ++needle.Shown;
    else if (needle.Shown > needle.Target)
        --needle.Shown;
    return needle.Shown != before;
}

int NeedleQuietFrames(const NeedleState& needle) {
    if (needle.Shown != needle.Target || needle.Tick == 0) return 0;
    return kNeedleSampleFrames - needle.Tick;
}

void TrimHistory(std::vector<int>& history, int width) {
    const long keep = width - 10 > 0 ? width - 10 : 0;
    if (static_cast<long>(history.size()) > keep) history.erase(history.begin(), history.end() - keep);
}

std::vector<GeoSegment> HistoryLine(const std::vector<int>& history, int width, int height) {
    std::vector<GeoSegment> line;
    if (history.size() < 2) return line;
    line.reserve(history.size() - 1);
    const float scale = static_cast<float>(height - 10) / 100.0f;
    float x = static_cast<float>(width - static_cast<int>(history.size()) - 5);
    for (size_t i = 1; i < history.size(); ++i) {
        line.push_back({{x, history[i - 1] * scale + 5}, {x + 1, history[i] * scale + 5}});
        x += 1;
    }
    return line;
}
