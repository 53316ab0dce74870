// The usage gauge and history graph drawn into a bitmap, checked pixel by pixel.
#include <gtest/gtest.h>

#include <vector>

#include "pages/CDlgCtrlUsage.h"
#include "pages/CDlgCtrlUsageHistory.h"
#include "pages/core/UsageGraphGeometry.h"
#include "tests/wine/support/Canvas.h"
#include "tests/wine/support/TestSupport.h"

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kDarkGreen = 0x005000;
constexpr uint32_t kGridColour = 0x008040;

class UsageControls : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(theApp.m_gdiplus.Startup()); }
};

// Level line y (0 = top line) as the gauge lays them out.
int LineY(int line) { return 10 + (line / 2) * 4 + line % 2; }

TEST_F(UsageControls, GaugeLightsTheLowestLevelsAndWritesTheValue) {
    Canvas c(kGaugeWidth, kGaugeHeight);
    CDlgCtrlUsage gauge;
    // A full gauge first: the next paint must put out what it no longer shows.
    gauge.value = 100;
    ASSERT_TRUE(gauge.Render(c.Dc(), kGaugeWidth, kGaugeHeight, nullptr));
    gauge.value = 42;
    ASSERT_TRUE(gauge.Render(c.Dc(), kGaugeWidth, kGaugeHeight, nullptr));

    const int left = 19, right = 40;
    struct Probe {
        int line;
        uint32_t colour;
    } probes[] = {{99, kGreen}, {58, kGreen}, {57, kDarkGreen}, {0, kDarkGreen}};
    for (const auto& p : probes) {
        SCOPED_TRACE(p.line);
        const int y = LineY(p.line);
        for (int x : {left, left + 19, right, right + 19}) EXPECT_EQ(c.At(x, y), p.colour) << x;
        EXPECT_EQ(c.At(left + 20, y), kBlack);  // the gap between the bars
    }
    EXPECT_EQ(c.At(left, 12), kBlack);  // between two segments
    EXPECT_EQ(c.At(5, 5), kBlack);

    // "42%" below the bars: something other than the background is drawn.
    bool text = false;
    for (int y = 211; y < kGaugeHeight && !text; ++y)
        for (int x = 27; x < kGaugeWidth && !text; ++x) text = c.At(x, y) != kBlack;
    EXPECT_TRUE(text);
}

TEST_F(UsageControls, HistoryCurveEndsAtTheRightEdgeOverAMovingGrid) {
    Canvas c(kHistoryWidth, kHistoryHeight);
    CDlgCtrlUsageHistory history;
    // 80 % usage, then 40 %: the newest point lies 60 % of the way down.
    history.AppendSample(20);
    history.AppendSample(60);
    ASSERT_TRUE(history.Render(c.Dc(), kHistoryWidth, kHistoryHeight));

    const int newestY = static_cast<int>(60 * kHistoryHeight / 100.0f);  // 139
    EXPECT_TRUE(c.AnyIn(kHistoryWidth - 1, newestY - 2, kHistoryWidth, newestY + 3, kGreen));
    EXPECT_FALSE(c.AnyIn(0, 0, kHistoryWidth - 2, kHistoryHeight, kGreen));  // only the newest segment

    EXPECT_EQ(c.At(11, 5), kGridColour);
    EXPECT_EQ(c.At(5, 11), kGridColour);
    EXPECT_EQ(c.At(5, 5), kBlack);

    // The next paint moves the vertical lines one pixel to the left, and
    // eleven paints on they are back where they started.
    ASSERT_TRUE(history.Render(c.Dc(), kHistoryWidth, kHistoryHeight));
    EXPECT_EQ(c.At(10, 5), kGridColour);
    EXPECT_EQ(c.At(11, 5), kBlack);
    EXPECT_EQ(c.At(5, 11), kGridColour);
    for (int paint = 2; paint <= 11; ++paint) ASSERT_TRUE(history.Render(c.Dc(), kHistoryWidth, kHistoryHeight));
    EXPECT_EQ(c.At(11, 5), kGridColour);
    EXPECT_EQ(c.At(10, 5), kBlack);
    EXPECT_EQ(c.At(kHistoryWidth - 1, 5), kBlack);  // 352 + 11 lies outside
}

}  // namespace
