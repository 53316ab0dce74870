#include "pages/core/UsageGraphGeometry.h"

GaugeLayout LayOutGauge(int width, int value) {
    GaugeLayout g;
    // The two bars and the 1-pixel gap between them are 41 pixels wide.
    g.xLeft = (width - 41) / 2;
    g.xRight = g.xLeft + 21;
    // Two pixel rows per segment, two empty rows between segments.
    int y = kGaugeFirstLine;
    for (int line = 0; line < kGaugeLevels; ++line) {
        const int level = kGaugeLevels - 1 - line;  // 99 at the top
        g.lines[line] = {y, level < value};
        y += (line % 2 == 0) ? 1 : 3;
    }
    g.textX = g.xLeft + kGaugeBarWidth - 12;
    g.textY = y + 1;
    return g;
}

int FirstLitRow(const GaugeLayout& g) {
    for (const GaugeLine& line : g.lines)
        if (line.lit) return line.y;
    return g.lines[kGaugeLevels - 1].y + 1;
}

GridStrip LayOutGridStrip(int width, int height) {
    GridStrip s;
    s.width = width + kGridStep - 1;
    for (int x = kGridStep; x <= s.width; x += kGridStep) s.verticalGrid.push_back(x);
    for (int y = kGridStep; y <= height; y += kGridStep) s.horizontalGrid.push_back(y);
    return s;
}

int NextGridPhase(int phase) { return phase <= kGridStep - 2 ? phase + 1 : 0; }

void TrimSamples(std::vector<int>& samples, int width) {
    const size_t keep = width > 0 ? static_cast<size_t>(width) : 0;
    if (samples.size() > keep) samples.erase(samples.begin(), samples.end() - static_cast<std::ptrdiff_t>(keep));
}

HistoryFrame PaintHistory(std::vector<int>& samples, int& gridPhase, int width, int height) {
    HistoryFrame f;
    for (int o = kGridStep; o <= width + gridPhase; o += kGridStep) f.verticalGrid.push_back(o - gridPhase);
    gridPhase = NextGridPhase(gridPhase);
    for (int y = kGridStep; y <= height; y += kGridStep) f.horizontalGrid.push_back(y);

    TrimSamples(samples, width);
    const size_t n = samples.size();
    if (n < 2) return f;
    const float scale = static_cast<float>(height) / 100.0f;
    const float first = static_cast<float>(width) - static_cast<float>(n);
    f.curve.reserve(n - 1);
    for (size_t i = 1; i < n; ++i) {
        const float x = first + static_cast<float>(i);
        f.curve.push_back({x - 1.0f, static_cast<float>(samples[i - 1]) * scale, x,
                           static_cast<float>(samples[i]) * scale});
    }
    return f;
}
