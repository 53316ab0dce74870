#pragma once
// Where the widget renderers put their pixels and how their animated state
// moves. The drawing code only draws what these functions return.
#include <cstddef>
#include <functional>
#include <vector>

// ---- shared ---------------------------------------------------------------

constexpr int kTextCellHeight = 14;  // the drawing font's cell height
constexpr int kPanelTitleY = 15;
constexpr int kPanelFirstLineY = 39;
constexpr int kPanelLineStep = kTextCellHeight + 10;
constexpr int kPanelTextX = 17;

// y of line `index` (from 0) of a text panel with or without a title.
constexpr int PanelLineY(size_t index, bool hasTitle) {
    return (hasTitle ? kPanelFirstLineY : kPanelTitleY) + kPanelLineStep * static_cast<int>(index);
}

struct GeoRect {
    float X, Y, Width, Height;
};
struct GeoPoint {
    float X, Y;
};
struct GeoSegment {
    GeoPoint From, To;
};

// The thin frame (and its glow) and the background fill of a w x h widget.
GeoRect FrameRect(int width, int height);
GeoRect FillRect(int width, int height);

// The glow drawn over a shape after its own 1-pixel stroke: three passes of
// one pen, widening while the alpha rises.
struct GlowPass {
    float Width;
    unsigned Alpha;
};
constexpr GlowPass kGlowPasses[] = {{9, 24}, {6, 32}, {3, 40}};
// Offsets of the four glow copies drawn after each crisp text.
constexpr GeoPoint kTextGlowOffsets[] = {{-1, -1}, {-2, -2}, {1, 1}, {2, 2}};

// ---- level bar ------------------------------------------------------------

constexpr int kBarLevels = 100;
constexpr int kBarSegmentWidth = 20;
constexpr int kBarColumnGap = 1;
constexpr int kBarTop = 30;
constexpr int kBarBottom = 230;
constexpr int kBarTitleY = 9;
constexpr int kBarValueY = 231;

struct BarSegment {
    int Y;
    bool Lit;
};

struct BarLayout {
    int X0 = 0;  // left column; the right one starts at X0 + 21
    BarSegment Segments[kBarLevels] = {};  // level 99 (top) down to level 0
    bool Halo = false;
    GeoRect HaloRect{};
};

// The bar of a window `width` pixels wide at `value` percent: levels below
// the value are lit; the halo surrounds the lit part and is left out when
// nothing is lit (a value of 0, or -1 from a failed sample).
BarLayout LayOutBar(int width, int value);

// ---- arrow gauge --------------------------------------------------------

struct DialLayout {
    GeoRect Frame;      // the dial's ellipse
    GeoRect Fill;       // its background
    GeoRect ArcSquare;  // square of the scale arc
    float ArcStart = -210.0f, ArcSweep = 240.0f;
    GeoPoint Centre;
    GeoPoint NeedleFrom, NeedleTo;  // at 50, straight up, before rotation
    GeoRect Hub;
    float CaptionY;
    GeoPoint LabelZero, LabelHundred;
};
DialLayout LayOutDial(int width, int height);

// Degrees the needle turns for a shown value: 0 at -120, 50 up, 100 at +120.
float NeedleAngle(int shown);
// The needle's end points after that turn.
GeoSegment NeedleAt(const DialLayout& dial, int shown);

struct NeedleState {
    int Tick = 0;
    int Target = 0;
    int Shown = -1;  // nothing shown yet
};
constexpr int kNeedleSampleFrames = 26;  // one sample every 26 frames

// One frame of the needle: samples the metric into the target every 26th
// frame, then moves the shown value one unit toward it (or straight to it on
// the first frame). Returns whether the shown value changed.
bool AdvanceNeedle(NeedleState& needle, const std::function<int()>& sample);
// How many of the next frames can show nothing new: the needle stands on
// its target and takes no sample before the frame after them.
int NeedleQuietFrames(const NeedleState& needle);

// ---- history graph --------------------------------------------------------

// Drops the oldest entries so that at most width - 10 remain.
void TrimHistory(std::vector<int>& history, int width);

// The line through the entries (newest at the right edge), one segment per
// pair of neighbours; a path at offset d moves every segment down by d.
std::vector<GeoSegment> HistoryLine(const std::vector<int>& history, int width, int height);

struct HistoryPass {
    int Offset;
    unsigned Alpha;  // 0 for the crisp line in Lit, else Glow with this alpha
};
constexpr HistoryPass kHistoryPasses[] = {{0, 0}, {-3, 24}, {-2, 32}, {-1, 40}, {3, 24}, {2, 32}, {1, 40}};
constexpr GeoPoint kHistoryTitle = {7, 5};
constexpr GeoPoint kHistoryTitleGlow[] = {{6, 4}, {5, 3}, {8, 6}, {9, 7}};
