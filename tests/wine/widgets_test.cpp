// The widget manager's settings, the widget windows and the four renderer
// families drawn into a bitmap.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

#include "tests/wine/support/TestSupport.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"
#include "widgets/CWidgetRenderer.h"

namespace {

// Live values fixed by the test; the text panels read the real collectors.
struct FixedSources {
    int value = 0;
};

class Widgets : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(theApp.m_gdiplus.Startup()); }
    void SetUp() override {
        theApp.m_translate.Load(L"English");
        manager.SetSampler([this](WidgetMetric) { return sources.value; });
    }
    void TearDown() override { manager.CloseAll(); }

    std::string SettingsText() const { return ReadFileBytes(settings.File()); }
    size_t Index(const wchar_t* kind) const {
        const int i = manager.IndexOf(kind);
        EXPECT_GE(i, 0);
        return static_cast<size_t>(i);
    }
    // Opens one widget with the settings given (and the rest at defaults).
    CDlgWidget& Open(const wchar_t* kind, bool background = true) {
        const size_t i = Index(kind);
        manager.Settings(i).BG = background;
        manager.SetEnabled(i, true, true);
        CDlgWidget* w = manager.Window(i);
        EXPECT_NE(w->GetSafeHwnd(), nullptr);
        return *w;
    }

    ScopedSettings settings;
    FixedSources sources;
    CWidgetManager manager{theApp.Context()};
};

// A frame drawn into an ARGB bitmap the way the window draws it.
class Frame {
public:
    explicit Frame(CDlgWidget& w, bool useCaches = true)
        : m_bitmap(w.Width(), w.Height(), PixelFormat32bppPARGB) {
        {
            Gdiplus::Graphics g(&m_bitmap);
            w.DrawFrame(g, useCaches);
        }
        ReadPixels();
    }
    // The frame as the window is handed it.
    struct Canvas {};
    Frame(CDlgWidget& w, Canvas)
        : m_pixels(static_cast<size_t>(w.Width()) * w.Height()),
          m_bitmap(w.Width(), w.Height(), w.Width() * 4, PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(m_pixels.data())) {
        w.DrawCanvas(reinterpret_cast<BYTE*>(m_pixels.data()));
        ReadPixels();
    }
    void ReadPixels() {
        Gdiplus::BitmapData data{};
        Gdiplus::Rect all(0, 0, Width(), Height());
        m_bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppPARGB, &data);
        for (int y = 0; y < Height(); ++y) {
            const uint32_t* row = reinterpret_cast<const uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
            m_raw.insert(m_raw.end(), row, row + Width());
        }
        m_bitmap.UnlockBits(&data);
    }
    // The pixel as drawn: alpha and premultiplied red, green, blue.
    uint32_t Raw(int x, int y) const { return m_raw[static_cast<size_t>(y) * m_bitmap.GetWidth() + x]; }
    int Width() const { return static_cast<int>(m_bitmap.GetWidth()); }
    int Height() const { return static_cast<int>(m_bitmap.GetHeight()); }
    unsigned Alpha(int x, int y) const { return Raw(x, y) >> 24; }
    uint32_t Argb(int x, int y) {
        Gdiplus::Color c;
        m_bitmap.GetPixel(x, y, &c);
        return c.GetValue();
    }
    // The strongest alpha in a box.
    unsigned MaxAlpha(int x0, int y0, int x1, int y1) const {
        unsigned best = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) best = std::max(best, Alpha(x, y));
        return best;
    }

private:
    std::vector<uint32_t> m_pixels;
    mutable Gdiplus::Bitmap m_bitmap;
    std::vector<uint32_t> m_raw;
};

TEST_F(Widgets, EmptySectionGivesEveryDefaultAndNamesFromTheLanguage) {
    manager.Load();
    ASSERT_EQ(manager.Count(), 27u);  // the test prefix is Windows 10
    EXPECT_EQ(manager.IndexOf(L"Keyboard"), 13);
    for (size_t i = 0; i < manager.Count(); ++i) {
        const WidgetSettings& s = manager.Settings(i);
        SCOPED_TRACE(i);
        EXPECT_FALSE(s.Enable || s.Moveable || s.Top);
        EXPECT_EQ(s.X, -1000);
        EXPECT_EQ(s.Y, -1000);
        EXPECT_EQ(s.Color, 0xFF11F1E2u);
        EXPECT_TRUE(s.BG);
        EXPECT_EQ(s.Opacity, 100);
        EXPECT_NE(manager.Window(i), nullptr);
        EXPECT_EQ(manager.Window(i)->GetSafeHwnd(), nullptr);
    }
    EXPECT_EQ(manager.DisplayName(Index(L"CPUUsage")), L"CPU Usage (Bar)");
}

TEST_F(Widgets, LanguageWithoutANameShowsTheKindName) {
    const std::wstring folder = MakeTempDir(L"orvanel-lang");
    WriteUtf16File(folder + L"\\Test.lng",
                   L"[Language]\r\nlang_en=Testish\r\nlang_native=Testish\r\n[Text]\r\nWidgetMouse=Maus\r\n");
    theApp.m_translate.SetFolder(folder);
    theApp.m_translate.Load(L"Testish");
    manager.Load();
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring programFolder = exe;
    theApp.m_translate.SetFolder(programFolder.substr(0, programFolder.find_last_of(L'\\')));
    RemoveTree(folder);
    EXPECT_EQ(manager.DisplayName(Index(L"Mouse")), L"Maus");
    EXPECT_EQ(manager.DisplayName(Index(L"Drives")), L"Drives");
}

TEST_F(Widgets, SettingsAreReadAndWrittenByKindName) {
    WriteFileBytes(settings.File(),
                   "[Widgets]\r\nMouseEnable=1\r\nMouseMoveable=7\r\nMouseX=-20\r\nMouseY=300\r\n"
                   "MouseColor=FF0000\r\nMouseBG=0\r\nMouseOpacity=250\r\nGPUUsageTop=1\r\n");
    manager.Load();
    const size_t mouse = Index(L"Mouse");
    const WidgetSettings& s = manager.Settings(mouse);
    EXPECT_TRUE(s.Enable);
    EXPECT_TRUE(s.Moveable);
    EXPECT_EQ(s.X, -20);
    EXPECT_EQ(s.Y, 300);
    EXPECT_EQ(s.Color, 0xFF0F0000u);  // no "#": the first digit is lost
    EXPECT_FALSE(s.BG);
    EXPECT_EQ(s.Opacity, 250);
    EXPECT_TRUE(manager.Settings(Index(L"GPUUsage")).Top);

    manager.Settings(mouse).Color = 0xFFFF8000;
    manager.SaveWidget(mouse);
    const std::string text = SettingsText();
    for (const char* line : {"MouseEnable=1", "MouseMoveable=1", "MouseTop=0", "MouseX=-20", "MouseY=300",
                             "MouseColor=#FF8000", "MouseBG=0", "MouseOpacity=250"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST_F(Widgets, FirstRunEnablesAndPlacesFiveWidgets) {
    manager.Load();
    manager.ApplyFirstRunLayout();
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = work.right - work.left, h = work.bottom - work.top;
    const std::string text = SettingsText();
    struct Case {
        const wchar_t* kind;
        const char* key;
        int x, y;
    } cases[] = {{L"CPUUsageWithArrow", "CPUUsageWithArrow", 10, h - 210},
                 {L"MemoryUsageWithArrow", "MemoryUsageWithArrow", 220, h - 210},
                 {L"StorageUsageHistory", "StorageUsageHistory", w - 310, h - 210},
                 {L"DateTime", "DateTime", w - 310, 10},
                 {L"OperatingSystem", "OperatingSystem", w - 310, 220}};
    int enabled = 0;
    for (size_t i = 0; i < manager.Count(); ++i) enabled += manager.Settings(i).Enable;
    EXPECT_EQ(enabled, 5);
    for (const auto& c : cases) {
        const std::string key = c.key;
        EXPECT_NE(text.find(key + "Enable=1"), std::string::npos) << key;
        EXPECT_NE(text.find(key + "X=" + std::to_string(c.x)), std::string::npos) << key;
        EXPECT_NE(text.find(key + "Y=" + std::to_string(c.y)), std::string::npos) << key;
        EXPECT_NE(text.find(key + "Color=#11F1E2"), std::string::npos) << key;
        EXPECT_NE(text.find(key + "Opacity=100"), std::string::npos) << key;
    }
}

TEST_F(Widgets, WindowTakesItsSizePlacementStylesAndAlphaFromTheSettings) {
    manager.Load();
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);

    const size_t arrow = Index(L"CPUUsageWithArrow");
    manager.Settings(arrow).Y = 400;  // X unplaced: centred at the top, Y ignored
    manager.Settings(arrow).Opacity = 20;
    CDlgWidget& gauge = Open(L"CPUUsageWithArrow");
    RECT r = gauge.GetWindowRect();
    EXPECT_EQ(r.left, (work.right - work.left - 200) / 2);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 200);
    EXPECT_EQ(gauge.ConstantAlpha(), 51);
    LONG_PTR ex = ::GetWindowLongPtrW(gauge.GetSafeHwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TRANSPARENT);  // fixed: clicks fall through
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    // The unplaced spot is not written back.
    EXPECT_EQ(SettingsText().find("CPUUsageWithArrowX=-1000"), SettingsText().find("CPUUsageWithArrowX="));

    // Moveable from the widgets dialog takes effect on the open window.
    manager.Settings(arrow).Moveable = true;
    gauge.ApplySettings();
    ex = ::GetWindowLongPtrW(gauge.GetSafeHwnd(), GWL_EXSTYLE);
    EXPECT_FALSE(ex & WS_EX_TRANSPARENT);

    // Drives: one line per drive root (Wine lists C: and Z:).
    const size_t drives = Index(L"Drives");
    manager.Settings(drives).X = 30;
    manager.Settings(drives).Y = 40;
    CDlgWidget& list = Open(L"Drives");
    r = list.GetWindowRect();
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(list.Height(), 48 + 24 * static_cast<int>(LogicalDriveRoots().size()));
    EXPECT_EQ(r.bottom - r.top, list.Height());
}

TEST_F(Widgets, TimerRedrawsOnlyFramesThatChange) {
    manager.Load();
    sources.value = 40;
    CDlgWidget& gauge = Open(L"MemoryUsageWithArrow");
    PumpMessages(600);
    // The needle jumped to 40 on the first frame and has nowhere to go: the
    // window sleeps until its next sample instead of waking every 42 ms.
    EXPECT_EQ(gauge.State().Needle.Shown, 40);
    EXPECT_EQ(gauge.FramesDrawn(), 1u);
    EXPECT_LE(gauge.Wakeups(), 3u);
    const unsigned drawn = gauge.FramesDrawn();
    sources.value = 45;
    PumpMessages(1800);  // the next sample comes within 26 frames
    EXPECT_EQ(gauge.State().Needle.Shown, 45);
    EXPECT_EQ(gauge.FramesDrawn(), drawn + 5);  // one frame per step
    // Frames slept through count as left out: 26 frames a sample.
    EXPECT_GE(gauge.FramesSkipped(), 20u);
}

TEST_F(Widgets, DragEndWritesThePositionBack) {
    manager.Load();
    const size_t i = Index(L"Mouse");
    manager.Settings(i).Moveable = true;
    CDlgWidget& w = Open(L"Mouse");
    ::SetWindowPos(w.GetSafeHwnd(), nullptr, 123, 234, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(w.GetSafeHwnd(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(manager.Settings(i).X, 123);
    EXPECT_EQ(manager.Settings(i).Y, 234);
    const std::string text = SettingsText();
    EXPECT_NE(text.find("MouseX=123"), std::string::npos);
    EXPECT_NE(text.find("MouseY=234"), std::string::npos);
}

TEST_F(Widgets, LanguageChangeReopensTheSameWidgetsWithNewNames) {
    manager.Load();
    for (const wchar_t* kind : {L"CPUUsage", L"DateTime", L"Keyboard"}) manager.SetEnabled(Index(kind), true, false);
    manager.ShowEnabled();
    auto openKinds = [&] {
        std::set<std::wstring> kinds;
        for (size_t i = 0; i < manager.Count(); ++i)
            if (manager.Window(i)->GetSafeHwnd()) kinds.insert(manager.KindName(i));
        return kinds;
    };
    const std::set<std::wstring> before = openKinds();
    ASSERT_EQ(before.size(), 3u);

    theApp.m_translate.Load(L"German");
    manager.Reload(true);
    EXPECT_EQ(openKinds(), before);
    EXPECT_NE(manager.DisplayName(Index(L"CPUUsage")), L"CPU Usage (Bar)");
    EXPECT_FALSE(manager.DisplayName(Index(L"CPUUsage")).empty());

    manager.CloseEnabled();
    EXPECT_TRUE(openKinds().empty());
}

// ---- renderers --------------------------------------------------------------

TEST_F(Widgets, LevelBarLightsTheLowerSegmentsInsideATransparentWindow) {
    manager.Load();
    sources.value = 37;
    CDlgWidget& w = Open(L"CPUUsage", false);
    w.AdvanceFrame();
    Frame f(w);
    // Level 0 (y 227) is lit, level 99 (y 30) is not; nothing between the
    // columns and nothing inside the frame away from the bar.
    EXPECT_GE(f.Alpha(35, 227), 190u);
    const uint32_t lit = f.Argb(35, 227);
    for (int shift : {0, 8, 16})  // the base colour, give or take rounding
        EXPECT_NEAR(static_cast<int>((lit >> shift) & 0xFF), static_cast<int>((0x11F1E2u >> shift) & 0xFF), 4);
    EXPECT_LT(f.Alpha(35, 30), 60u);
    EXPECT_GT(f.Alpha(35, 30), 0u);
    EXPECT_EQ(f.Alpha(15, 100), 0u);
    EXPECT_EQ(f.Alpha(85, 100), 0u);
    EXPECT_GE(f.MaxAlpha(20, 231, 80, 248), 150u);  // "37%"

    CDlgWidget& filled = Open(L"GPUUsage", true);
    filled.AdvanceFrame();
    Frame g(filled);
    EXPECT_EQ(g.Alpha(15, 100), 0x18u);  // the translucent background
}

TEST_F(Widgets, ArrowNeedlePointsAtTheValueAndTheCornersStayClear) {
    manager.Load();
    sources.value = 50;
    CDlgWidget& w = Open(L"NetworkUsageWithArrow", false);
    w.AdvanceFrame();
    Frame f(w);
    EXPECT_GE(f.MaxAlpha(99, 40, 102, 60), 190u);  // straight up
    EXPECT_LT(f.MaxAlpha(55, 40, 60, 60), 60u);
    for (auto [x, y] : {std::pair{0, 0}, {199, 0}, {0, 199}, {199, 199}}) EXPECT_EQ(f.Alpha(x, y), 0u) << x << "," << y;

    sources.value = 0;
    CDlgWidget& zero = Open(L"StorageUsageWithArrow", false);
    zero.AdvanceFrame();
    Frame z(zero);
    EXPECT_LT(z.MaxAlpha(99, 40, 102, 60), 60u);
    // At 0 the needle points down to the left, 120 degrees from the top.
    EXPECT_GE(z.MaxAlpha(56, 117, 64, 126), 190u);
}

// The largest difference of any channel of any pixel, out of 255.
int WorstDifference(const Frame& a, const Frame& b) {
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int shift = 0; shift < 32; shift += 8)
                worst = std::max(worst, std::abs(static_cast<int>((a.Raw(x, y) >> shift) & 0xFF) -
                                                 static_cast<int>((b.Raw(x, y) >> shift) & 0xFF)));
    return worst;
}

TEST_F(Widgets, FramesFromCachedLayersLookLikeFramesDrawnAfresh) {
    theApp.m_collectors.Build();
    manager.Load();
    sources.value = 37;
    CDlgWidget& arrow = Open(L"CPUUsageWithArrow");
    for (int value : {0, 37, 100}) {
        SCOPED_TRACE(value);
        arrow.State().Needle.Shown = value;  // 0 and 100 cross the scale labels
        Frame cached(arrow), fresh(arrow, false), canvas(arrow, Frame::Canvas{});
        EXPECT_LE(WorstDifference(cached, fresh), 4);  // the layers' own rounding
        EXPECT_LE(WorstDifference(canvas, fresh), 4);
    }
    for (const wchar_t* kind : {L"CPUUsage", L"CPUUsageHistory", L"DateTime"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(kind)));
        CDlgWidget& w = Open(kind);
        for (int frame = 0; frame < 3; ++frame) {
            w.AdvanceFrame();
            Frame cached(w), fresh(w, false), canvas(w, Frame::Canvas{});
            EXPECT_LE(WorstDifference(cached, fresh), 4);
            EXPECT_LE(WorstDifference(canvas, fresh), 4);
        }
    }
}

TEST_F(Widgets, HistoryPlotsTheSamplesAtTheRightEdge) {
    manager.Load();
    sources.value = 30;
    CDlgWidget& w = Open(L"CPUUsageHistory", false);
    for (int i = 0; i < 20; ++i) w.AdvanceFrame();
    Frame f(w);
    const int y = static_cast<int>(70 * 1.9f + 5);  // 100 - 30 from the top
    EXPECT_GE(f.MaxAlpha(280, y - 1, 290, y + 2), 190u);
    EXPECT_EQ(f.MaxAlpha(280, y - 30, 290, y - 10), 0u);
    EXPECT_EQ(f.MaxAlpha(100, 60, 200, 120), 0u);  // no entries there yet
    EXPECT_GE(f.MaxAlpha(7, 5, 60, 19), 150u);     // the title
}

TEST_F(Widgets, TextPanelsWriteTheirLinesAndTheListsSizeThemselves) {
    theApp.m_collectors.Build();
    manager.Load();
    CDlgWidget& dt = Open(L"DateTime", false);
    dt.AdvanceFrame();
    Frame f(dt);
    for (int line = 0; line < 7; ++line) EXPECT_GE(f.MaxAlpha(17, 15 + 24 * line, 200, 29 + 24 * line), 150u) << line;
    EXPECT_EQ(f.MaxAlpha(17, 15 + 24 * 7 + 4, 280, 190), 0u);

    // Wine has no wireless interface: the list shrinks to its title.
    CDlgWidget& wifi = Open(L"WirelessAvailableNetworks");
    PumpMessages(100);
    EXPECT_EQ(wifi.Height(), 48);
    RECT r = wifi.GetWindowRect();
    EXPECT_EQ(r.bottom - r.top, 48);
}

class PressedKeys : public KeyStateSource {
public:
    short AsyncKeyState(int vk) const override { return down.count(vk) ? static_cast<short>(0x8000) : 0; }
    unsigned ScanCode(int vk) const override { return static_cast<unsigned>(vk) & 0x7F; }
    bool IsToggled(int vk) const override { return vk == VK_CAPITAL; }
    std::set<int> down;
};

TEST_F(Widgets, KeyboardAndMouseCountThroughTheKeySeam) {
    manager.Load();
    PressedKeys keys;
    CDlgWidget& kb = Open(L"Keyboard");
    kb.SetKeyState(&keys);
    keys.down = {0x41};
    kb.AdvanceFrame();
    kb.AdvanceFrame();
    keys.down = {VK_SHIFT, VK_LSHIFT};
    kb.AdvanceFrame();
    EXPECT_EQ(kb.State().Keyboard.Keystrokes(), 2u);
    EXPECT_EQ(kb.State().Keyboard.LogLines()[0].substr(0, 6), L"20 41 ");  // VK_LSHIFT & 0x7F, then A

    CDlgWidget& mouse = Open(L"Mouse");
    mouse.SetKeyState(&keys);
    keys.down = {1, 2};
    mouse.AdvanceFrame();
    EXPECT_EQ(mouse.State().Mouse.Clicks(MouseButton::Left), 1u);
    EXPECT_EQ(mouse.State().Mouse.Clicks(MouseButton::Right), 1u);
    EXPECT_EQ(mouse.State().Mouse.Log(), L"02 01 ");
    kb.SetKeyState(nullptr);
    mouse.SetKeyState(nullptr);
}

}  // namespace
