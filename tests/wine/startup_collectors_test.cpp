// Start-up gathers the collectors on a worker thread while the main window
// and its pages are built: the pages must still end their reveal on the
// collectors' values.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/COrvanelDlg.h"
#include "pages/CDlgGPUUsage.h"
#include "pages/CSectionPage.h"
#include "pages/core/DevicePageText.h"
#include "resources/resource.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {

TEST(BackgroundCollectors, PagesBuiltBeforeTheCollectorsAreInEndOnTheirValues) {
    ScopedSettings settings;
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.m_collectors.BuildInBackground();
    ASSERT_TRUE(theApp.m_collectors.Pending());

    COrvanelDlg dlg{theApp.Context()};
    ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    // Nothing has been gathered yet: the worker starts from the message loop.
    EXPECT_TRUE(theApp.m_collectors.Pending());

    auto page = [&](size_t section) { return SectionPage(dlg, section); };
    ASSERT_TRUE(WaitForReveal(dlg, {}, 8000));
    EXPECT_FALSE(theApp.m_collectors.Pending());

    EXPECT_EQ(page(0)->GetDlgItemText(1052), theApp.m_collectors.Cpu().GetProcessorName());
    EXPECT_EQ(page(2)->GetDlgItemText(1052), theApp.m_collectors.Cpu().GetProcessorName());
    EXPECT_EQ(page(4)->GetDlgItemText(1002), theApp.m_collectors.Graphics().GetAdapterName());
    EXPECT_EQ(page(4)->GetDlgItemText(1098), theApp.m_collectors.Graphics().GetDriverVersion());
    ASSERT_FALSE(theApp.m_collectors.Storage().Models.empty());
    EXPECT_EQ(page(6)->GetDlgItemText(1057), theApp.m_collectors.Storage().Models[0]);
    dlg.DestroyWindow();
}

TEST(BackgroundCollectors, ChoosingTheComboItemDuringTheRevealIsHarmless) {
    ScopedSettings settings;
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.m_collectors.BuildInBackground();

    COrvanelDlg dlg{theApp.Context()};
    ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    ASSERT_TRUE(theApp.m_collectors.Pending());
    // Storage, Network and Audio: the user picks the combo's item before the
    // page has its device lists. Nothing on the page changes. (The notice
    // goes straight to the page's dialog procedure, so a fault in the
    // handler is not swallowed by the platform's callback filter.)
    const struct {
        size_t section;
        int detail;
    } devicePages[] = {{6, 1057}, {7, 1142}, {8, 1131}};
    for (const auto& d : devicePages) {
        CSectionPage* page = SectionPage(dlg, d.section);
        ASSERT_NE(page, nullptr);
        const std::wstring before = page->GetDlgItemText(d.detail);
        ASSERT_NE(before, L"-");
        HWND combo = page->GetDlgItem(1124);
        ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
        auto proc = reinterpret_cast<DLGPROC>(::GetWindowLongPtrW(page->m_hWnd, DWLP_DLGPROC));
        ASSERT_NE(proc, nullptr);
        proc(page->m_hWnd, WM_COMMAND, MAKEWPARAM(1124, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        EXPECT_EQ(page->GetDlgItemText(d.detail), before) << d.section;
    }

    ASSERT_TRUE(WaitForReveal(dlg, {6, 7, 8}, 8000));
    // The reveal still ends on the first device.
    const StorageDriveLists& drives = theApp.m_collectors.Storage();
    ASSERT_FALSE(drives.Models.empty());
    EXPECT_EQ(SectionPage(dlg, 6)->GetDlgItemText(1057), DeviceEntry(drives.Models, 0));
    EXPECT_EQ(SectionPage(dlg, 6)->GetDlgItemText(1124), DeviceEntry(drives.Captions, 0));
    dlg.DestroyWindow();
}

TEST(BackgroundCollectors, MonitorOpenedBeforeTheCollectorsAreInSamplesThemRatherThanFailing) {
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.m_collectors.BuildInBackground();
    ASSERT_TRUE(theApp.m_collectors.Pending());

    CDlgGPUUsage window(theApp.Context());
    ASSERT_TRUE(window.Create(IDD_USAGE, static_cast<CWnd*>(nullptr)));
    EXPECT_FALSE(theApp.m_collectors.Pending());
    // The busiest engine, 0 without engine counters: never the failed -1.
    ASSERT_EQ(window.History().samples.size(), 1u);
    EXPECT_GE(window.Gauge().value, 0);
    window.DestroyWindow();
}

}  // namespace
