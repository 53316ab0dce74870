#pragma once
// Where the usage gauge and the history graph put their pixels. The painting
// code only draws what these functions compute, so the layout rules can be
// checked without a window.
#include <cstddef>
#include <cstdint>
#include <vector>

// Sizes of the two controls and where a monitor window places them.
constexpr int kGaugeWidth = 80;
constexpr int kGaugeHeight = 233;
constexpr int kHistoryWidth = 360;
constexpr int kHistoryHeight = 233;
constexpr int kMonitorMargin = 7;
constexpr int kGaugeLeft = kMonitorMargin;
constexpr int kGaugeTop = kMonitorMargin;
constexpr int kHistoryLeft = kGaugeLeft + kGaugeWidth + kMonitorMargin;  // 94
constexpr int kHistoryTop = kMonitorMargin;
constexpr int kMonitorClientWidth = kHistoryLeft + kHistoryWidth + kMonitorMargin;
constexpr int kMonitorClientHeight = kMonitorMargin + kGaugeHeight + kMonitorMargin;

// Colours as alpha, red, green, blue. Both controls look the same in light
// and dark mode.
constexpr uint32_t kUsageBackground = 0xFF000000;
constexpr uint32_t kUsageGrid = 0xFF008040;
constexpr uint32_t kUsageLit = 0xFF00FF00;
constexpr uint32_t kUsageUnlit = 0xFF005000;

// ---- gauge ----------------------------------------------------------------

constexpr int kGaugeLevels = 100;
constexpr int kGaugeBarWidth = 20;
constexpr int kGaugeFirstLine = 10;

// One level line: a 20 x 1 strip in each of the two bars.
struct GaugeLine {
    int y;
    bool lit;
};

struct GaugeLayout {
    int xLeft = 0;   // left bar
    int xRight = 0;  // right bar
    GaugeLine lines[kGaugeLevels] = {};  // top to bottom
    int textX = 0;   // where the "42%" text starts
    int textY = 0;
};

// The gauge for a control `width` pixels wide showing `value` percent. The
// lowest `value` lines are lit; values below 0 light none, above 100 all.
GaugeLayout LayOutGauge(int width, int value);

// The pixel row where the lit lines of `g` begin: above it the gauge looks
// like one with no line lit, from it on like one with every line lit. The
// row under the last line when none is lit.
int FirstLitRow(const GaugeLayout& g);

// ---- history graph ------------------------------------------------------------

constexpr int kGridStep = 11;

struct CurveSegment {
    float x1, y1, x2, y2;
};

// Everything one paint of the history graph draws.
struct HistoryFrame {
    std::vector<int> verticalGrid;    // x of each vertical grid line
    std::vector<int> horizontalGrid;  // y of each horizontal grid line
    std::vector<CurveSegment> curve;  // joined segments, oldest first
};

// The grid phase after one paint: the vertical lines move one pixel to the
// left per paint and are back where they started after eleven.
int NextGridPhase(int phase);

// Drops the oldest samples so that at most `width` remain (one per pixel
// column); nothing remains for a width of 0 or less.
void TrimSamples(std::vector<int>& samples, int width);

// The grid of every phase in one picture: a strip kGridStep - 1 pixels
// wider than the graph with a vertical line at each multiple of kGridStep.
// The graph at phase p shows the strip from column p on.
struct GridStrip {
    int width = 0;
    std::vector<int> verticalGrid;
    std::vector<int> horizontalGrid;
};
GridStrip LayOutGridStrip(int width, int height);

// One paint of a `width` x `height` graph: the grid at the current phase,
// then advances the phase, trims the samples and lays out the curve. A sample
// is the distance from the top in percent of the height (100 - usage); the
// newest sits in the rightmost column.
HistoryFrame PaintHistory(std::vector<int>& samples, int& gridPhase, int width, int height);
