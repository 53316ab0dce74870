#pragma once
// Where the screensaver's board puts its panels, graphs and picture for a
// client area of W x H pixels. The window only draws what these compute.
#include <cstdint>
#include <string>
#include <vector>

// Pen width s, inner panel margin and the panel font's cell height.
struct BoardMetrics {
    float s = 1.0f;
    float pad = 0.0f;
    int fontHeight = 0;
};
BoardMetrics ComputeBoardMetrics(int width);

struct PanelRect {
    float x = 0, y = 0, w = 0, h = 0;  // h is 0 for panels that grow downwards
};

struct BoardLayout {
    PanelRect applicationEvents, systemEvents;
    PanelRect cpu, memory, network, storage;  // the four graphs
    PanelRect osMetrics, wireless, summary, dateTime;
};
BoardLayout LayOutBoard(int width, int height, const BoardMetrics& m);

// A picture of iw x ih scaled to cover the client area, centred; the parts
// that stick out are cut off.
struct PictureRect {
    int x = 0, y = 0, w = 0, h = 0;
};
PictureRect CoverFit(int width, int height, int iw, int ih);

// ---- graphs ---------------------------------------------------------------

constexpr size_t kGraphValues = 31;  // 30 segments across a graph

// Drops the oldest values so that at most 31 remain.
void TrimHistory(std::vector<int>& history);

struct GraphLine {
    float x1, y1, x2, y2;
};

struct GraphGeometry {
    float sampleStep = 0;  // horizontal distance of two values
    float gridStep = 0;    // distance of two vertical grid lines
    std::vector<GraphLine> grid;
    std::vector<GraphLine> curve;  // one segment per neighbouring pair
};

// The grid and the curve of a graph panel for `history` (already trimmed),
// with the vertical grid lines shifted left by `gridOffset`.
GraphGeometry LayOutGraph(const PanelRect& r, float s, float gridOffset, const std::vector<int>& history);

// The grid offset after one more sample: it grows by one sample step and
// falls back to one step once it has passed grid step - 1.
float AdvanceGridOffset(float offset, float sampleStep, float gridStep);

// ---- texts ----------------------------------------------------------------

// "days:hh:mm:ss" of the time since system start.
std::wstring FormatUpTime(uint64_t milliseconds);

// One line of the wireless networks panel: "name (signal, Secured, Connected)".
std::wstring FormatWirelessLine(const std::wstring& name, const std::wstring& signal, bool secured, bool connected,
                                const std::wstring& securedText, const std::wstring& connectedText);

// "Name Edition[ SP] 64-bit".
std::wstring FormatSystemText(const std::wstring& name, const std::wstring& edition, const std::wstring& servicePack,
                              bool sixtyFourBit, const std::wstring& bitText);

// "used / allowed" registry quota in megabytes.
std::wstring FormatRegistryQuota(uint32_t usedBytes, uint32_t allowedBytes);
