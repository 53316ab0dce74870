#include <gtest/gtest.h>

#include <numeric>

#include "pages/core/DiskActivity.h"
#include "pages/core/UsageGraphGeometry.h"

namespace {

int LitCount(const GaugeLayout& g) {
    int n = 0;
    for (const auto& line : g.lines) n += line.lit;
    return n;
}

TEST(UsageGauge, LevelLinesFormFiftyTwoRowSegmentsFromTheTop) {
    const GaugeLayout g = LayOutGauge(kGaugeWidth, 0);
    EXPECT_EQ(g.xLeft, 19);
    EXPECT_EQ(g.xRight, 40);
    for (int s = 0; s < 50; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(g.lines[2 * s].y, 10 + 4 * s);
        EXPECT_EQ(g.lines[2 * s + 1].y, 11 + 4 * s);
    }
    EXPECT_EQ(g.lines[99].y, 207);
    EXPECT_EQ(g.textX, 27);
    EXPECT_EQ(g.textY, 211);
}

TEST(UsageGauge, ValueLightsTheLowestLines) {
    struct Case {
        int value;
        int lit;
    } cases[] = {{0, 0}, {1, 1}, {42, 42}, {50, 50}, {100, 100}, {-1, 0}, {101, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const GaugeLayout g = LayOutGauge(kGaugeWidth, c.value);
        EXPECT_EQ(LitCount(g), c.lit);
        // Lit lines are a block at the bottom.
        for (int line = 0; line < kGaugeLevels; ++line) EXPECT_EQ(g.lines[line].lit, line >= kGaugeLevels - c.lit);
    }
    // 50 is exactly the lower 25 segments: both rows of each lit, none above.
    const GaugeLayout half = LayOutGauge(kGaugeWidth, 50);
    EXPECT_FALSE(half.lines[49].lit);
    EXPECT_TRUE(half.lines[50].lit);
    EXPECT_EQ(half.lines[50].y, 110);  // first row of segment 26 from the top
}

TEST(UsageGauge, FirstLitRowSplitsTheLitLinesFromTheUnlitOnes) {
    struct Case {
        int value;
        int row;
    } cases[] = {{-3, 208}, {0, 208}, {1, 207}, {2, 206}, {50, 110}, {100, 10}, {150, 10}};
    for (const auto& c : cases) EXPECT_EQ(FirstLitRow(LayOutGauge(kGaugeWidth, c.value)), c.row) << c.value;
    // Whatever the value, every line from that row down is lit and none above it.
    for (int value = -1; value <= 101; ++value) {
        const GaugeLayout g = LayOutGauge(kGaugeWidth, value);
        const int row = FirstLitRow(g);
        for (const GaugeLine& line : g.lines) ASSERT_EQ(line.lit, line.y >= row) << value << " " << line.y;
    }
}

TEST(UsageHistory, GridStripSeenFromThePhaseIsTheGridOfThatPaint) {
    for (int width : {kHistoryWidth, 30, 11}) {
        const GridStrip strip = LayOutGridStrip(width, kHistoryHeight);
        EXPECT_EQ(strip.width, width + 10);
        std::vector<int> samples;
        int phase = 0;
        for (int paint = 0; paint < 12; ++paint) {
            SCOPED_TRACE(testing::Message() << width << " " << paint);
            const int p = phase;
            const HistoryFrame f = PaintHistory(samples, phase, width, kHistoryHeight);
            std::vector<int> expected, seen;
            for (int x : f.verticalGrid)
                if (x < width) expected.push_back(x);
            for (int x : strip.verticalGrid)
                if (x >= p && x < p + width) seen.push_back(x - p);
            EXPECT_EQ(seen, expected);
            EXPECT_EQ(strip.horizontalGrid, f.horizontalGrid);
        }
    }
}

TEST(UsageHistory, VerticalGridDriftsLeftAndWrapsAfterElevenPaints) {
    std::vector<int> samples;
    int phase = 0;
    const HistoryFrame first = PaintHistory(samples, phase, kHistoryWidth, kHistoryHeight);
    ASSERT_FALSE(first.verticalGrid.empty());
    EXPECT_EQ(first.verticalGrid.front(), 11);
    EXPECT_EQ(first.verticalGrid.back(), 352);

    const HistoryFrame second = PaintHistory(samples, phase, kHistoryWidth, kHistoryHeight);
    EXPECT_EQ(second.verticalGrid.front(), 10);
    for (int paint = 2; paint < 11; ++paint) {
        const HistoryFrame f = PaintHistory(samples, phase, kHistoryWidth, kHistoryHeight);
        for (int x : f.verticalGrid) EXPECT_TRUE(x >= 0 && x <= kHistoryWidth) << x;
    }
    EXPECT_EQ(phase, 0);
    EXPECT_EQ(PaintHistory(samples, phase, kHistoryWidth, kHistoryHeight).verticalGrid, first.verticalGrid);

    // Horizontal lines stay put: every 11 pixels down to the bottom.
    std::vector<int> rows(21);
    std::iota(rows.begin(), rows.end(), 1);
    for (int& y : rows) y *= 11;
    EXPECT_EQ(first.horizontalGrid, rows);
}

TEST(UsageHistory, CurveGrowsInFromTheRightEdge) {
    int phase = 0;
    std::vector<int> one{40};
    EXPECT_TRUE(PaintHistory(one, phase, kHistoryWidth, kHistoryHeight).curve.empty());

    std::vector<int> two{0, 100};
    const HistoryFrame f = PaintHistory(two, phase, kHistoryWidth, kHistoryHeight);
    ASSERT_EQ(f.curve.size(), 1u);
    EXPECT_FLOAT_EQ(f.curve[0].x1, 358.0f);
    EXPECT_FLOAT_EQ(f.curve[0].y1, 0.0f);
    EXPECT_FLOAT_EQ(f.curve[0].x2, 359.0f);
    EXPECT_FLOAT_EQ(f.curve[0].y2, 233.0f);  // 0 % usage lies on the bottom edge
}

TEST(UsageHistory, KeepsTheNewestSamplesOnePerColumn) {
    std::vector<int> samples(kHistoryWidth + 1);
    std::iota(samples.begin(), samples.end(), 0);  // 0 is the oldest
    int phase = 0;
    const HistoryFrame f = PaintHistory(samples, phase, kHistoryWidth, kHistoryHeight);
    ASSERT_EQ(samples.size(), static_cast<size_t>(kHistoryWidth));
    EXPECT_EQ(samples.front(), 1);
    EXPECT_EQ(samples.back(), kHistoryWidth);
    ASSERT_EQ(f.curve.size(), static_cast<size_t>(kHistoryWidth - 1));
    EXPECT_FLOAT_EQ(f.curve.front().x1, 0.0f);
    EXPECT_FLOAT_EQ(f.curve.back().x2, kHistoryWidth - 1.0f);

    std::vector<int> some{1, 2, 3};
    TrimSamples(some, 0);
    EXPECT_TRUE(some.empty());
    some = {1, 2, 3};
    TrimSamples(some, -5);
    EXPECT_TRUE(some.empty());
}

TEST(DiskActivity, IsTheComplementOfIdleTimeAndKeepsFailures) {
    struct Case {
        int idle, busy;
    } cases[] = {{0, 100}, {30, 70}, {100, 0}, {-1, -1}, {104, 0}};
    for (const auto& c : cases) EXPECT_EQ(DiskActivityFromIdle(c.idle), c.busy) << c.idle;
}

}  // namespace
