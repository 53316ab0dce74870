// A monitor window created the way a page's Usage button creates it.
#include <gtest/gtest.h>

#include <memory>

#include "pages/CDlgCPUUsage.h"
#include "pages/core/UsageGraphGeometry.h"
#include "resources/resource.h"
#include "tests/wine/support/TestSupport.h"

namespace {

class UsageMonitor : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        theApp.m_translate.Load(L"English");
        ASSERT_TRUE(theApp.m_gdiplus.Startup());
    }
};

// The child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, int id) {
    RECT r{};
    HWND child = ::GetDlgItem(parent, id);
    if (!child) return r;
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(UsageMonitor, SamplesAtOnceAndEverySecondAndKeepsSamplingWhenClosed) {
    auto window = std::make_unique<CDlgCPUUsage>(theApp.Context());
    ASSERT_TRUE(window->Create(IDD_USAGE, static_cast<CWnd*>(nullptr)));
    window->ShowWindow(SW_SHOW);
    const HWND hwnd = window->m_hWnd;

    EXPECT_EQ(window->GetWindowText(), L"CPU Usage");
    EXPECT_EQ(::GetParent(hwnd), nullptr);

    // The first sample is there before any timer message.
    ASSERT_EQ(window->History().samples.size(), 1u);
    const int usage = window->Gauge().value;
    EXPECT_GE(usage, 0);
    EXPECT_LE(usage, 100);
    EXPECT_EQ(window->History().samples[0], 100 - usage);

    // Gauge left, history graph right, each at its own pixel size; the
    // client area holds both.
    const RECT gauge = ChildRect(hwnd, kUsageGaugeId), graph = ChildRect(hwnd, kUsageHistoryId);
    EXPECT_EQ(gauge.left, kGaugeLeft);
    EXPECT_EQ(gauge.top, kGaugeTop);
    EXPECT_EQ(gauge.right - gauge.left, kGaugeWidth);
    EXPECT_EQ(gauge.bottom - gauge.top, kGaugeHeight);
    EXPECT_EQ(graph.left, kHistoryLeft);
    EXPECT_EQ(graph.top, kHistoryTop);
    EXPECT_EQ(graph.right - graph.left, kHistoryWidth);
    EXPECT_EQ(graph.bottom - graph.top, kHistoryHeight);
    const RECT client = window->GetClientRect();
    EXPECT_GE(client.right, graph.right);
    EXPECT_GE(client.bottom, graph.bottom);

    PumpMessages(2400);
    const size_t afterTwoSeconds = window->History().samples.size();
    EXPECT_GE(afterTwoSeconds, 2u);
    EXPECT_LE(afterTwoSeconds, 4u);
    EXPECT_EQ(window->History().samples.back(), 100 - window->Gauge().value);

    // The close box only hides the window; sampling goes on. (The dialog
    // turns WM_CLOSE into a posted IDCANCEL.)
    ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
    PumpMessages(100);
    EXPECT_TRUE(::IsWindow(hwnd));
    EXPECT_FALSE(::IsWindowVisible(hwnd));
    const size_t atClose = window->History().samples.size();
    PumpMessages(2400);
    EXPECT_GT(window->History().samples.size(), atClose);

    // Destroying the object takes the window and its two controls along.
    const HWND gaugeHwnd = ::GetDlgItem(hwnd, kUsageGaugeId);
    window.reset();
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(::IsWindow(gaugeHwnd));
}

TEST_F(UsageMonitor, EscapeHidesTheWindow) {
    CDlgCPUUsage window(theApp.Context());
    ASSERT_TRUE(window.Create(IDD_USAGE, static_cast<CWnd*>(nullptr)));
    window.ShowWindow(SW_SHOW);
    ::SendMessageW(window.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(::IsWindow(window.m_hWnd));
    EXPECT_FALSE(window.IsWindowVisible());
}

}  // namespace
