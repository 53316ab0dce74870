#include <gtest/gtest.h>

#include <map>

#include "widgets/core/InputActivity.h"
#include "widgets/core/PanelText.h"
#include "widgets/core/WidgetCatalogue.h"
#include "widgets/core/WidgetGeometry.h"
#include "widgets/core/WidgetSettings.h"

namespace {

TEST(WidgetCatalogue, GpuKindsOnlyFromWindows10AndLaterIndicesMoveDown) {
    const auto win10 = BuildWidgetCatalogue(true);
    const auto older = BuildWidgetCatalogue(false);
    ASSERT_EQ(win10.size(), 27u);
    ASSERT_EQ(older.size(), 24u);
    struct Case {
        const wchar_t* kind;
        int win10, older;
    } cases[] = {{L"AudioPeakMeter", 0, 0},       {L"EventsLogSystem", 9, 9},
                 {L"GPUUsage", 10, -1},           {L"GPUUsageHistory", 12, -1},
                 {L"Keyboard", 13, 10},           {L"MemoryUsageWithArrow", 15, 12},
                 {L"OperatingSystem", 21, 18},    {L"StorageUsageHistory", 25, 22},
                 {L"WirelessAvailableNetworks", 26, 23}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.kind).size());
        EXPECT_EQ(WidgetIndexOf(win10, c.kind), c.win10);
        EXPECT_EQ(WidgetIndexOf(older, c.kind), c.older);
    }
    EXPECT_EQ(WidgetIndexOf(win10, L"keyboard"), -1);  // names are case-sensitive
}

TEST(WidgetCatalogue, SizesPeriodsAndFamiliesFollowTheKind) {
    struct Case {
        const wchar_t* kind;
        int w, h, period;
        WidgetFamily family;
    } cases[] = {{L"CPUUsage", 100, 260, 1000, WidgetFamily::LevelBar},
                 {L"NetworkUsageWithArrow", 200, 200, 42, WidgetFamily::Arrow},
                 {L"AudioPeakMeterHistory", 300, 200, 1000, WidgetFamily::History},
                 {L"Keyboard", 300, 310, 50, WidgetFamily::TextPanel},
                 {L"Mouse", 300, 140, 50, WidgetFamily::TextPanel},
                 {L"EventsLogApps", 500, 285, 1000, WidgetFamily::TextPanel},
                 {L"Specs", 300, 120, 1000, WidgetFamily::TextPanel}};
    for (const auto& c : cases) {
        const WidgetKind* k = FindWidgetKind(c.kind);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(k->Width, c.w);
        EXPECT_EQ(k->Height, c.h);
        EXPECT_EQ(k->PeriodMs, c.period);
        EXPECT_EQ(k->Family, c.family);
    }
    EXPECT_EQ(FindWidgetKind(L"Clock"), nullptr);
    // The GPU bar and arrow carry the fixed title; its graph the text.
    EXPECT_EQ(WidgetTitleText(WidgetFamily::Arrow, WidgetMetric::Gpu), -1);
    EXPECT_EQ(WidgetTitleText(WidgetFamily::History, WidgetMetric::Gpu), 66);
    EXPECT_EQ(WidgetTitleText(WidgetFamily::LevelBar, WidgetMetric::Storage), 18);
}

TEST(WidgetCatalogue, ListPanelsGrowOneLinePerEntry) {
    EXPECT_EQ(PanelHeightForLines(0), 48);
    EXPECT_EQ(PanelHeightForLines(2), 96);   // C: and Z:
    EXPECT_EQ(PanelHeightForLines(3), 120);  // three wireless networks
}

TEST(WidgetSettings, KeysAreTheKindNameAndTheSettingInWritingOrder) {
    const auto keys = WidgetKeyNames(L"CPUUsage");
    const wchar_t* expected[] = {L"CPUUsageEnable", L"CPUUsageMoveable", L"CPUUsageTop", L"CPUUsageX",
                                 L"CPUUsageY",      L"CPUUsageColor",    L"CPUUsageBG",  L"CPUUsageOpacity"};
    for (int i = 0; i < kWidgetKeyCount; ++i) EXPECT_EQ(keys[i], expected[i]);
}

TEST(WidgetSettings, ColourSkipsTheFirstCharacterAndKeepsTheLow24Bits) {
    struct Case {
        const wchar_t* text;
        uint32_t argb;
    } cases[] = {
        {L"#11F1E2", 0xFF11F1E2}, {L"#ff8000", 0xFFFF8000},
        {L"FF0000", 0xFF0F0000},  // no "#": the first digit is lost
        {L"#1234567", 0xFF234567}, {L"#12zz", 0xFF000012}, {L"#", 0xFF000000},
        {L"", 0xFF000000},        {L"#xyz", 0xFF000000},
        {L"red", 0xFF0000ED},  // "ed" is hexadecimal
    };
    for (const auto& c : cases) EXPECT_EQ(ParseWidgetColor(c.text), c.argb) << std::wstring(c.text).size();
    EXPECT_EQ(FormatWidgetColor(0xFF11F1E2), L"#11F1E2");
    EXPECT_EQ(ParseWidgetColor(FormatWidgetColor(0x00ABCDEF)), 0xFFABCDEFu);
}

TEST(WidgetSettings, ColoursAndConstantAlpha) {
    const WidgetColors c = MakeWidgetColors(0xFF11F1E2);
    EXPECT_EQ(c.Lit, 0xC411F1E2u);
    EXPECT_EQ(c.Label, 0xBC11F1E2u);
    EXPECT_EQ(c.Glow, 0x1811F1E2u);
    EXPECT_EQ(c.Fill, 0x1811F1E2u);
    const std::map<int, int> alpha = {{100, 255}, {50, 127}, {20, 51}, {0, 0}, {-5, 0}, {250, 255}};
    for (const auto& [percent, a] : alpha) EXPECT_EQ(WidgetConstantAlpha(percent), a) << percent;
}

TEST(WidgetPlacement, FirstRunAndUnplacedWindows) {
    const auto layout = FirstRunLayout(1920, 1040);
    ASSERT_EQ(layout.size(), 5u);
    const std::pair<std::wstring, std::pair<int, int>> expected[] = {
        {L"CPUUsageWithArrow", {10, 830}}, {L"MemoryUsageWithArrow", {220, 830}},
        {L"StorageUsageHistory", {1610, 830}}, {L"DateTime", {1610, 10}}, {L"OperatingSystem", {1610, 220}}};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(layout[i].Kind, expected[i].first);
        EXPECT_EQ(layout[i].X, expected[i].second.first);
        EXPECT_EQ(layout[i].Y, expected[i].second.second);
    }
    // Either coordinate unplaced: centred at the top, the stored Y ignored.
    EXPECT_EQ(OpeningPosition(kWidgetUnplaced, 300, 0, 1920, 200).X, 860);
    EXPECT_EQ(OpeningPosition(kWidgetUnplaced, 300, 0, 1920, 200).Y, 0);
    EXPECT_EQ(OpeningPosition(40, kWidgetUnplaced, 100, 1021, 300).X, 310);
    EXPECT_EQ(OpeningPosition(-50, 700, 0, 1920, 200).X, -50);
    EXPECT_EQ(OpeningPosition(-50, 700, 0, 1920, 200).Y, 700);
}

// ---- level bar ----------------------------------------------------------------

TEST(WidgetBar, SegmentsComeInPairsFromTheTopAndLightFromTheBottom) {
    const BarLayout empty = LayOutBar(100, 0);
    EXPECT_EQ(empty.X0, 29);
    EXPECT_EQ(empty.Segments[0].Y, 30);
    EXPECT_EQ(empty.Segments[1].Y, 31);
    EXPECT_EQ(empty.Segments[2].Y, 34);
    EXPECT_EQ(empty.Segments[99].Y, 227);

    struct Case {
        int value, lit;
        bool halo;
        GeoRect rect;
    } cases[] = {
        {0, 0, false, {}},
        {-1, 0, false, {}},  // a failed sample lights nothing and has no halo
        {37, 37, true, {27, 152, 45, 78}},
        {100, 100, true, {27, 28, 45, 202}},
        {130, 100, true, {27, 28, 45, 202}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const BarLayout bar = LayOutBar(100, c.value);
        int lit = 0;
        for (int i = 0; i < kBarLevels; ++i) {
            lit += bar.Segments[i].Lit;
            EXPECT_EQ(bar.Segments[i].Lit, i >= kBarLevels - c.lit);  // level 99 - i
        }
        EXPECT_EQ(lit, c.lit);
        EXPECT_EQ(bar.Halo, c.halo);
        if (c.halo) {
            EXPECT_FLOAT_EQ(bar.HaloRect.X, c.rect.X);
            EXPECT_FLOAT_EQ(bar.HaloRect.Y, c.rect.Y);
            EXPECT_FLOAT_EQ(bar.HaloRect.Width, c.rect.Width);
            EXPECT_FLOAT_EQ(bar.HaloRect.Height, c.rect.Height);
        }
    }
}

// ---- arrow gauge ----------------------------------------------------------------

TEST(WidgetArrow, DialGeometryOfTheTwoHundredPixelWindow) {
    const DialLayout d = LayOutDial(200, 200);
    EXPECT_FLOAT_EQ(d.ArcSquare.X, 14);
    EXPECT_FLOAT_EQ(d.ArcSquare.Y, 13);
    EXPECT_FLOAT_EQ(d.ArcSquare.Width, 172);
    EXPECT_FLOAT_EQ(d.Centre.X, 100);
    EXPECT_FLOAT_EQ(d.Centre.Y, 99);
    EXPECT_FLOAT_EQ(d.CaptionY, 120.5f);
    EXPECT_FLOAT_EQ(d.LabelZero.X, 27);
    EXPECT_FLOAT_EQ(d.LabelZero.Y, 127);
    EXPECT_FLOAT_EQ(d.LabelHundred.X, 149);

    // 50 points straight up, 0 down to the left, 100 down to the right.
    const GeoSegment up = NeedleAt(d, 50), zero = NeedleAt(d, 0), full = NeedleAt(d, 100);
    EXPECT_NEAR(up.To.X, 100, 1e-3);
    EXPECT_NEAR(up.To.Y, 23, 1e-3);
    EXPECT_LT(zero.To.X, 100);
    EXPECT_GT(zero.To.Y, 99);
    EXPECT_GT(full.To.X, 100);
    EXPECT_NEAR(full.To.Y, zero.To.Y, 1e-3);
}

TEST(WidgetArrow, NeedleJumpsOnTheFirstFrameThenStepsOneUnitPerFrame) {
    NeedleState needle;
    int value = 80, samples = 0;
    auto sample = [&] {
        ++samples;
        return value;
    };
    EXPECT_TRUE(AdvanceNeedle(needle, sample));
    EXPECT_EQ(needle.Shown, 80);
    value = 20;
    // The new value is taken at the 26th frame after the first.
    int frames = 0;
    bool moved = false;
    while (needle.Target != 20) {
        moved = AdvanceNeedle(needle, sample);
        ++frames;
        if (needle.Target != 20) EXPECT_FALSE(moved) << frames;
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(frames, 26);
    EXPECT_EQ(needle.Shown, 79);  // that frame already moved one unit
    int more = 0;
    while (needle.Shown != 20) {
        EXPECT_TRUE(AdvanceNeedle(needle, sample));
        ++more;
    }
    EXPECT_EQ(more + 1, 60);  // 60 frames from the sample to the target
    EXPECT_FALSE(AdvanceNeedle(needle, sample));
    EXPECT_EQ(samples, 4);  // frames 1, 27, 53 and 79
}

TEST(WidgetArrow, QuietFramesTakeNoSampleAndLeaveTheNeedleWhereItIs) {
    // From every tick of a needle at rest and of one still moving.
    for (int shown : {40, 37}) {
        for (int tick = 0; tick < kNeedleSampleFrames; ++tick) {
            NeedleState needle{tick, 40, shown};
            const int quiet = NeedleQuietFrames(needle);
            SCOPED_TRACE(testing::Message() << "shown " << shown << " tick " << tick);
            if (shown != 40 || tick == 0) EXPECT_EQ(quiet, 0);
            for (int i = 0; i < quiet; ++i)
                EXPECT_FALSE(AdvanceNeedle(needle, [] {
                    ADD_FAILURE() << "sampled in a quiet frame";
                    return 0;
                }));
            // The frame after them samples.
            bool sampled = false;
            AdvanceNeedle(needle, [&] {
                sampled = true;
                return 40;
            });
            EXPECT_TRUE(sampled || shown != 40);
        }
    }
}

TEST(WidgetArrow, FailedSampleMovesTheNeedleJustBelowZero) {
    NeedleState needle;
    needle.Shown = 1;
    AdvanceNeedle(needle, [] { return -1; });
    EXPECT_EQ(needle.Shown, 0);
    AdvanceNeedle(needle, [] { return -1; });
    EXPECT_EQ(needle.Shown, -1);
    // -1 is also "nothing shown yet", so it stays on the target.
    EXPECT_FALSE(AdvanceNeedle(needle, [] { return 5; }));
    EXPECT_EQ(needle.Shown, -1);
}

// ---- history graph ------------------------------------------------------------

TEST(WidgetHistory, KeepsWidthMinusTenEntriesNewestAtTheRight) {
    std::vector<int> h;
    for (int i = 0; i < 291; ++i) {
        h.push_back(i);
        TrimHistory(h, 300);
    }
    ASSERT_EQ(h.size(), 290u);
    EXPECT_EQ(h.front(), 1);
    EXPECT_EQ(h.back(), 290);

    EXPECT_TRUE(HistoryLine({}, 300, 200).empty());
    EXPECT_TRUE(HistoryLine({50}, 300, 200).empty());
    const auto line = HistoryLine({100, 0, 50}, 300, 200);
    ASSERT_EQ(line.size(), 2u);
    EXPECT_FLOAT_EQ(line[0].From.X, 292);  // 300 - 3 - 5
    EXPECT_FLOAT_EQ(line[0].From.Y, 195);  // 100 x 1.9 + 5: the bottom
    EXPECT_FLOAT_EQ(line[0].To.Y, 5);
    EXPECT_FLOAT_EQ(line[1].To.X, 294);
    EXPECT_FLOAT_EQ(line[1].To.Y, 100);
    // The crisp line first, then the glow paths above and below it.
    int offsets = 0;
    for (const auto& p : kHistoryPasses) offsets |= 1 << (p.Offset + 3);
    EXPECT_EQ(offsets, 0x7F);
}

TEST(WidgetHistory, LinesOfTextPanels) {
    EXPECT_EQ(PanelLineY(0, true), 39);
    EXPECT_EQ(PanelLineY(5, true), 159);
    EXPECT_EQ(PanelLineY(0, false), 15);
    EXPECT_EQ(PanelLineY(6, false), 159);
}

// ---- panel texts ----------------------------------------------------------------

TEST(WidgetPanels, TextsBuiltFromSeveralFacts) {
    EXPECT_EQ(DriveLine(L"C:\\", 999292928, 536870912), L"C: 512 MB / 953 MB");
    EXPECT_EQ(DriveLine(L"E:\\", 0, 0), L"E: ");  // no medium
    EXPECT_EQ(UpTimeText(0), L"0:00:00:00");
    EXPECT_EQ(UpTimeText(2ull * 86400000 + 3 * 3600000 + 4 * 60000 + 5 * 1000 + 999), L"2:03:04:05");
    EXPECT_EQ(WirelessLine(L"HomeNet", L"87%", true, true, L"Secured", L"Connected"),
              L"HomeNet (87%, Secured, Connected)");
    EXPECT_EQ(WirelessLine(L"Cafe", L"40%", false, false, L"Secured", L"Connected"), L"Cafe (40%)");
    EXPECT_EQ(SystemLine(L"Windows 10", L"Pro", L"", L"64", L"bit"), L"Windows 10 Pro 64-bit");
    EXPECT_EQ(SystemLine(L"Windows 7", L"Ultimate", L"1", L"32", L"bit"), L"Windows 7 Ultimate 1 32-bit");
}

// ---- keyboard and mouse ----------------------------------------------------------

class FakeKeys : public KeyStateSource {
public:
    short AsyncKeyState(int vk) const override { return down.count(vk) ? static_cast<short>(0x8000) : 0; }
    unsigned ScanCode(int vk) const override { return static_cast<unsigned>(vk) + 0x100; }
    bool IsToggled(int) const override { return false; }
    std::map<int, bool> down;
};

TEST(WidgetKeyboard, HeldKeyCountsOnceAndGenericModifiersNotAtAll) {
    FakeKeys keys;
    KeyboardActivity kb;
    EXPECT_EQ(kb.LogLines(), std::vector<std::wstring>(6, L"00 00 00 00 00 00 00 00 00 00 00 00 00 00 "));

    keys.down[0x41] = true;  // A held over three polls
    for (int i = 0; i < 3; ++i) kb.Poll(keys);
    EXPECT_EQ(kb.Keystrokes(), 1u);
    keys.down.clear();
    kb.Poll(keys);
    keys.down[0x41] = true;
    kb.Poll(keys);
    EXPECT_EQ(kb.Keystrokes(), 2u);
    keys.down.clear();

    // Left Shift: the platform reports the generic code too, which must not
    // count a second time; the mouse buttons are not keys either.
    keys.down = {{0x10, true}, {0xA0, true}, {0x01, true}, {0x02, true}, {0x04, true}};
    kb.Poll(keys);
    EXPECT_EQ(kb.Keystrokes(), 3u);

    // The newest entry comes first; the scan code is printed "%02X" (at least two digits).
    const auto lines = kb.LogLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].substr(0, 15), L"1A0 141 141 00 ");
}

TEST(WidgetKeyboard, LogKeepsTheNewest84Entries) {
    FakeKeys keys;
    KeyboardActivity kb;
    for (int i = 0; i < 100; ++i) {
        keys.down = {{0x30 + i % 10, true}};
        kb.Poll(keys);
        keys.down.clear();
        kb.Poll(keys);
    }
    EXPECT_EQ(kb.Keystrokes(), 100u);
    const auto lines = kb.LogLines();
    ASSERT_EQ(lines.size(), 6u);
    for (const auto& line : lines) EXPECT_EQ(line.size(), 14u * 4);  // "13X " entries
    EXPECT_EQ(lines[0].substr(0, 8), L"139 138 ");
}

TEST(WidgetMouse, ClicksCountOnPressAndTheLogShowsTheTenNewest) {
    FakeKeys keys;
    MouseActivity mouse;
    for (int i = 0; i < 11; ++i) {
        keys.down[1] = true;
        mouse.Poll(keys, MouseButton::Left);
        mouse.Poll(keys, MouseButton::Left);  // still held
        keys.down.clear();
        mouse.Poll(keys, MouseButton::Left);
    }
    EXPECT_EQ(mouse.Clicks(MouseButton::Left), 11u);
    std::wstring ten;
    for (int i = 0; i < 10; ++i) ten += L"01 ";
    EXPECT_EQ(mouse.Log(), ten + L"...");

    keys.down[2] = true;
    mouse.Poll(keys, MouseButton::Right);
    EXPECT_EQ(mouse.Clicks(MouseButton::Right), 1u);
    EXPECT_EQ(mouse.Log(), L"02 " + ten.substr(0, 27) + L"...");

    MouseActivity fresh;
    for (int i = 0; i < 10; ++i) {
        keys.down = {{1, true}};
        fresh.Poll(keys, MouseButton::Left);
        keys.down.clear();
        fresh.Poll(keys, MouseButton::Left);
    }
    EXPECT_EQ(fresh.Log(), ten);  // exactly 30 characters: nothing cut
}

}  // namespace
