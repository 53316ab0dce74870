// Start-up gathers the collectors on a worker thread while the main window
// and its pages are built: the pages must still end their reveal on the
// collectors' values.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/COrvanelDlg.h"
#include "pages/CDlgGPUUsage.h"
#include "pages/CSectionPage.h"
#include "resources/resource.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {

TEST(BackgroundCollectors, PagesBuiltBeforeTheCollectorsAreInEndOnTheirValues) {
    ScopedSettings settings;
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.CreateCollectorsInBackground();
    ASSERT_TRUE(theApp.CollectorsPending());

    COrvanelDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    // Nothing has been gathered yet: the worker starts from the message loop.
    EXPECT_TRUE(theApp.CollectorsPending());

    auto page = [&](size_t section) { return SectionPage(dlg, section); };
    ASSERT_TRUE(WaitForReveal(dlg, {}, 8000));
    EXPECT_FALSE(theApp.CollectorsPending());

    EXPECT_EQ(page(0)->GetDlgItemText(1052), theApp.Cpu().GetProcessorName());
    EXPECT_EQ(page(2)->GetDlgItemText(1052), theApp.Cpu().GetProcessorName());
    EXPECT_EQ(page(4)->GetDlgItemText(1002), theApp.Graphics().GetAdapterName());
    EXPECT_EQ(page(4)->GetDlgItemText(1098), theApp.Graphics().GetDriverVersion());
    ASSERT_FALSE(theApp.Storage().Models.empty());
    EXPECT_EQ(page(6)->GetDlgItemText(1057), theApp.Storage().Models[0]);
    dlg.DestroyWindow();
}

TEST(BackgroundCollectors, MonitorOpenedBeforeTheCollectorsAreInSamplesThemRatherThanFailing) {
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.CreateCollectorsInBackground();
    ASSERT_TRUE(theApp.CollectorsPending());

    CDlgGPUUsage window;
    ASSERT_TRUE(window.Create(IDD_USAGE, static_cast<CWnd*>(nullptr)));
    EXPECT_FALSE(theApp.CollectorsPending());
    // The busiest engine, 0 without engine counters: never the failed -1.
    ASSERT_EQ(window.History().samples.size(), 1u);
    EXPECT_GE(window.Gauge().value, 0);
    window.DestroyWindow();
}

}  // namespace
