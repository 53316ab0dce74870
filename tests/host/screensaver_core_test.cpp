#include <gtest/gtest.h>

#include <deque>

#include "screensaver/core/BoardLayout.h"
#include "screensaver/core/ScreensaverLinks.h"
#include "screensaver/core/ScreensaverMode.h"
#include "screensaver/core/StarField.h"

namespace {

TEST(ScreensaverCommand, FirstTwoCharactersChooseTheMode) {
    struct Case {
        const wchar_t* tail;
        ScreensaverMode mode;
        int64_t parent;
    } cases[] = {
        {L"/s", ScreensaverMode::FullScreen, 0},
        {L"/S", ScreensaverMode::FullScreen, 0},
        {L"/s more", ScreensaverMode::FullScreen, 0},
        {L"/c:123", ScreensaverMode::Settings, 0},
        {L"/c", ScreensaverMode::Settings, 0},
        {L"", ScreensaverMode::Settings, 0},
        {L"/", ScreensaverMode::Settings, 0},
        {L"-s", ScreensaverMode::Settings, 0},
        {L"/p 1234", ScreensaverMode::Preview, 1234},
        {L"/P   77x9", ScreensaverMode::Preview, 77},
        {L"/p -12", ScreensaverMode::Preview, -12},
        {L"/p", ScreensaverMode::Preview, 0},
        {L"/p ", ScreensaverMode::Preview, 0},
        {L"/p abc", ScreensaverMode::Preview, 0},
        {L"/p1234", ScreensaverMode::Preview, 234},  // the first digit stands where the blank belongs
        {L"/p 99999999999999999999999", ScreensaverMode::Preview, INT64_MAX},
        // The edges of the range: the last digit must not overflow on the way.
        {L"/p 9223372036854775807", ScreensaverMode::Preview, INT64_MAX},
        {L"/p 9223372036854775808", ScreensaverMode::Preview, INT64_MAX},
        {L"/p 9223372036854775809", ScreensaverMode::Preview, INT64_MAX},
        {L"/P -9223372036854775808", ScreensaverMode::Preview, INT64_MIN},
        {L"/p -9223372036854775809", ScreensaverMode::Preview, INT64_MIN},
        {L"/p -99999999999999999999", ScreensaverMode::Preview, INT64_MIN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << std::string(c.tail, c.tail + wcslen(c.tail)) << '"');
        const ScreensaverCommand cmd = ParseScreensaverCommand(c.tail);
        EXPECT_EQ(cmd.mode, c.mode);
        EXPECT_EQ(cmd.parent, c.parent);
    }
}

// Answers the given draws in order, then the middle value.
std::function<int()> Draws(std::deque<int> values) {
    return [values]() mutable {
        if (values.empty()) return 16384;
        const int v = values.front();
        values.pop_front();
        return v;
    };
}

TEST(StarField, FieldFillsToTheLimitAroundTheCentre) {
    EXPECT_EQ(StarLimit(1920, 1080), 6912u);
    EXPECT_EQ(StarLimit(0, 1080), 0u);

    std::vector<STAR> stars;
    SpawnStars(stars, 1920, 1080, 3, Draws({0, 32767, 32767, 0}));
    ASSERT_EQ(stars.size(), 3u);
    // a = -5, b = 5: the square of side max(W, H) around the centre.
    EXPECT_FLOAT_EQ(stars[0].x, 960 - 960);
    EXPECT_FLOAT_EQ(stars[0].y, 540 + 960);
    EXPECT_FLOAT_EQ(stars[0].dx, -5);
    EXPECT_FLOAT_EQ(stars[0].dy, 5);
    EXPECT_FLOAT_EQ(stars[1].x, 960 + 960);
    EXPECT_FLOAT_EQ(stars[1].dy, -5);
    EXPECT_FLOAT_EQ(stars[2].width, 1);
    EXPECT_EQ(stars[2].age, 0);

    SpawnStars(stars, 1920, 1080, 3, Draws({}));
    EXPECT_EQ(stars.size(), 3u);  // already full
}

TEST(StarField, StarGrowsWithAgeAndIsReplacedAfterLeaving) {
    const int W = 1920, H = 1080;
    std::vector<STAR> stars;
    SpawnStars(stars, W, H, 1, Draws({16500, 16400}));  // close to the centre, slow
    const STAR first = stars[0];
    ASSERT_GT(first.dx, 0);

    int frames = 0;
    float lastDx = first.dx;
    while (!stars.empty() && frames < 5000) {
        MoveStars(stars, W, H);
        ++frames;
        if (stars.empty()) break;
        EXPECT_FLOAT_EQ(stars[0].dx, lastDx + lastDx / 50) << frames;
        lastDx = stars[0].dx;
        const float size = frames < 50 ? 1 : frames < 150 ? 2 : frames < 300 ? 3 : 4;
        if (frames == 49 || frames == 50 || frames == 150 || frames == 300 || frames == 301) {
            SCOPED_TRACE(frames);
            EXPECT_EQ(stars[0].width, size);
            EXPECT_EQ(stars[0].height, size);
            EXPECT_EQ(stars[0].age, frames);
        }
    }
    // It crossed the right edge (it flies right and slightly down) long after growing up.
    EXPECT_GT(frames, 300);
    EXPECT_LT(frames, 5000);
    SpawnStars(stars, W, H, 1, Draws({0, 0}));
    ASSERT_EQ(stars.size(), 1u);
    EXPECT_EQ(stars[0].age, 0);
}

TEST(StarField, EachEdgeRemovesOnlyStarsWhollyOutside) {
    const int W = 100, H = 50;
    struct Case {
        float x, y, w;
        bool kept;
    } cases[] = {
        {-1.5f, 10, 1, false}, {-1.0f, 10, 1, true},  {-2.0f, 10, 2, true},  {100.5f, 10, 1, false},
        {100.0f, 10, 1, true}, {10, -1.5f, 1, false}, {10, 50.0f, 1, true},  {10, 50.5f, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        // The move adds dx/dy; start one step earlier with a tiny speed.
        std::vector<STAR> stars{{c.x, c.y, 0, 0, c.w, c.w, 1}};
        MoveStars(stars, W, H);
        EXPECT_EQ(stars.size(), c.kept ? 1u : 0u);
    }
}

TEST(BoardLayout, FullHdBoard) {
    const BoardMetrics m = ComputeBoardMetrics(1920);
    EXPECT_EQ(m.s, 1.0f);
    EXPECT_EQ(m.pad, 8.0f);
    EXPECT_EQ(m.fontHeight, 19);

    const BoardLayout b = LayOutBoard(1920, 1080, m);
    EXPECT_FLOAT_EQ(b.applicationEvents.w, 384);
    EXPECT_FLOAT_EQ(b.systemEvents.y, 540);
    EXPECT_FLOAT_EQ(b.cpu.x, 392);
    EXPECT_FLOAT_EQ(b.cpu.y, 8);
    EXPECT_FLOAT_EQ(b.cpu.w, 752);
    EXPECT_FLOAT_EQ(b.cpu.h, 389);
    EXPECT_FLOAT_EQ(b.memory.x, 384 + 768 + 8);
    EXPECT_FLOAT_EQ(b.memory.w, 751);
    EXPECT_FLOAT_EQ(b.network.y, 413);
    EXPECT_FLOAT_EQ(b.storage.x, b.memory.x);
    EXPECT_FLOAT_EQ(b.storage.y, 413);
    const PanelRect bottom[] = {b.osMetrics, b.wireless, b.summary, b.dateTime};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(bottom[i].y, 810);
        EXPECT_FLOAT_EQ(bottom[i].x, 384 + 384 * i);
        EXPECT_FLOAT_EQ(bottom[i].w, i == 3 ? 383 : 384);
    }
}

TEST(BoardLayout, WiderScreensDoubleThePen) {
    struct Case {
        int width;
        float s, pad;
        int fh;
    } cases[] = {{2560, 2, 10, 26}, {1921, 2, 8, 19}, {1280, 1, 5, 13}, {320, 1, 1, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const BoardMetrics m = ComputeBoardMetrics(c.width);
        EXPECT_EQ(m.s, c.s);
        EXPECT_EQ(m.pad, c.pad);
        EXPECT_EQ(m.fontHeight, c.fh);
    }
    const BoardLayout b = LayOutBoard(2560, 1440, ComputeBoardMetrics(2560));
    EXPECT_FLOAT_EQ(b.cpu.x, 512 + 10);
    EXPECT_FLOAT_EQ(b.cpu.w, 1024 - 20);
    EXPECT_FLOAT_EQ(b.cpu.h, 540 - 20);
    EXPECT_FLOAT_EQ(b.osMetrics.y, 1080);
}

TEST(BoardLayout, PictureCoversTheScreenCentred) {
    struct Case {
        int W, H;
        PictureRect want;
    } cases[] = {
        {1920, 1080, {0, 0, 1920, 1080}},      // same shape
        {1920, 1200, {-106, 0, 2133, 1200}},   // taller screen: scaled to the height
        {2560, 1080, {0, -180, 2560, 1440}},   // wider screen: scaled to the width
        {3072, 1728, {0, 0, 3072, 1728}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.W << "x" << c.H);
        const PictureRect r = CoverFit(c.W, c.H, 3072, 1728);
        EXPECT_EQ(r.x, c.want.x);
        EXPECT_EQ(r.y, c.want.y);
        EXPECT_EQ(r.w, c.want.w);
        EXPECT_EQ(r.h, c.want.h);
    }
    const PictureRect none = CoverFit(1920, 1080, 0, 0);
    EXPECT_EQ(none.w, 0);
}

TEST(GraphPanel, KeepsThirtyOneNewestValuesAcrossTheWidth) {
    std::vector<int> history;
    for (int i = 0; i < 40; ++i) history.push_back(i);
    TrimHistory(history);
    ASSERT_EQ(history.size(), 31u);
    EXPECT_EQ(history.front(), 9);
    EXPECT_EQ(history.back(), 39);

    const PanelRect r{392, 8, 752, 389};
    const GraphGeometry g = LayOutGraph(r, 1, 0, history);
    ASSERT_EQ(g.curve.size(), 30u);
    EXPECT_FLOAT_EQ(g.sampleStep, 25);
    EXPECT_FLOAT_EQ(g.curve.front().x1, 393);          // x + s
    EXPECT_FLOAT_EQ(g.curve.back().x2, 392 + 752 - 1);  // x + w - s
    const float d = (389 - 2) / 100.0f;
    EXPECT_FLOAT_EQ(g.curve.front().y1, 9 * d + 9);
    EXPECT_FLOAT_EQ(g.curve.back().y2, 39 * d + 9);

    // Few values hug the right edge; one value draws nothing.
    const GraphGeometry two = LayOutGraph(r, 1, 0, {50, 60});
    ASSERT_EQ(two.curve.size(), 1u);
    EXPECT_FLOAT_EQ(two.curve[0].x2, 392 + 752 - 1);
    EXPECT_TRUE(LayOutGraph(r, 1, 0, {50}).curve.empty());
    // A failed CPU sample (-1) is stored as 101 and plots just below the graph.
    EXPECT_GT(LayOutGraph(r, 1, 0, {101, 101}).curve[0].y1, r.y + r.h - 1);
}

TEST(GraphPanel, GridDriftsLeftWithTheOffsetAndWraps) {
    const PanelRect r{392, 8, 752, 389};
    auto vertical = [](const GraphGeometry& g) {
        std::vector<float> xs;
        for (const auto& l : g.grid)
            if (l.x1 == l.x2) xs.push_back(l.x1);
        return xs;
    };
    const GraphGeometry still = LayOutGraph(r, 1, 0, {});
    const std::vector<float> xs = vertical(still);
    ASSERT_EQ(xs.size(), 9u);  // 75.2 .. 676.8; the tenth would be the right edge
    EXPECT_FLOAT_EQ(xs[0], 392 + 75.2f);
    EXPECT_EQ(still.grid.size() - xs.size(), 9u);  // horizontal lines at h / 10 steps

    const GraphGeometry moved = LayOutGraph(r, 1, 25, {});
    const std::vector<float> ys = vertical(moved);
    ASSERT_EQ(ys.size(), 10u);  // the line at the right edge slid in
    EXPECT_FLOAT_EQ(ys[0], 392 + 75.2f - 25);

    // 25 per sample against a 75.2 grid step: 25, 50, 75, then back to 25.
    float offset = 0;
    const float expect[] = {25, 50, 75, 25, 50, 75, 25};
    for (float want : expect) {
        offset = AdvanceGridOffset(offset, 25, 75.2f);
        EXPECT_FLOAT_EQ(offset, want);
    }
    EXPECT_EQ(AdvanceGridOffset(10, 0, 75.2f), 10);
}

TEST(BoardTexts, PanelLines) {
    EXPECT_EQ(FormatUpTime(0), L"0:00:00:00");
    EXPECT_EQ(FormatUpTime((((3ull * 24 + 4) * 60 + 5) * 60 + 6) * 1000 + 999), L"3:04:05:06");
    EXPECT_EQ(FormatWirelessLine(L"Home", L"80%", true, true, L"Secured", L"Connected"), L"Home (80%, Secured, Connected)");
    EXPECT_EQ(FormatWirelessLine(L"Cafe", L"40%", false, false, L"Secured", L"Connected"), L"Cafe (40%)");
    EXPECT_EQ(FormatSystemText(L"Windows 10", L"Pro", L"", true, L"bit"), L"Windows 10 Pro 64-bit");
    EXPECT_EQ(FormatSystemText(L"Windows 7", L"Ultimate", L"Service Pack 1", false, L"bit"),
              L"Windows 7 Ultimate Service Pack 1 32-bit");
    EXPECT_EQ(FormatRegistryQuota(100000000, 2000000000), L"95 / 1907");
}

TEST(ScreensaverLinks, RussianReadersGetTheirPage) {
    EXPECT_EQ(ScreensaverLinkAddress(ScreensaverLink::Product, L"English"), L"https://orvanel.velmora-soft.com/");
    EXPECT_EQ(ScreensaverLinkAddress(ScreensaverLink::Maker, L"Russian"), L"https://www.velmora-soft.com/?lng=ru");
    EXPECT_EQ(ScreensaverLinkAddress(ScreensaverLink::Maker, L"russian"), L"https://www.velmora-soft.com/");
}

}  // namespace
