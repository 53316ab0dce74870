// Start-up's collector worker when every collector's construction throws:
// the process goes on, the collectors are empty and the pages end their
// reveal on their failure values.
//
// This program replaces the global allocator: while a test asks for it,
// every allocation made off the test's own thread fails, so whatever the
// worker constructs throws std::bad_alloc.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "app/COrvanelDlg.h"
#include "pages/CSectionPage.h"
#include "resources/resource.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {
std::atomic<DWORD> g_onlyThread{0};  // 0: every thread may allocate
}  // namespace

// Kept out of line: the compiler would otherwise see malloc and free meet
// new-expressions and warn about a mismatch.
__attribute__((noinline)) void* operator new(std::size_t size) {
    const DWORD only = g_onlyThread.load();
    if (only != 0 && ::GetCurrentThreadId() != only) throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(CollectorFailure, WorkerSurvivesThrowingCollectorsAndThePagesShowTheirFailureValues) {
    ScopedSettings settings;
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();

    g_onlyThread = ::GetCurrentThreadId();
    theApp.m_collectors.BuildInBackground();
    COrvanelDlg dlg{theApp.Context()};
    ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    const bool revealed = WaitForReveal(dlg, {}, 8000);
    g_onlyThread = 0;
    ASSERT_TRUE(revealed);
    EXPECT_FALSE(theApp.m_collectors.Pending());

    // Every collector is there, and empty.
    EXPECT_TRUE(theApp.m_collectors.Storage().Models.empty());
    EXPECT_TRUE(theApp.m_collectors.Network().Descriptions.empty());
    EXPECT_TRUE(theApp.m_collectors.Audio().Captions.empty());
    EXPECT_TRUE(theApp.m_collectors.Graphics().EngineInstances.empty());
    EXPECT_EQ(theApp.m_collectors.Storage().GetIdleTime(), -1);
    EXPECT_EQ(theApp.m_collectors.Network().GetBandwidth(), -1);

    // Storage, Network and Audio: no devices, dashes in their fields.
    const struct {
        size_t section;
        int field;
    } dashes[] = {{6, 1057}, {6, 1052}, {7, 1142}, {7, 1143}, {8, 1131}, {8, 1138}};
    for (const auto& d : dashes) {
        CSectionPage* page = SectionPage(dlg, d.section);
        EXPECT_EQ(::SendMessageW(page->GetDlgItem(1124), CB_GETCOUNT, 0, 0), 0) << d.section;
        EXPECT_EQ(page->GetDlgItemText(d.field), L"-") << d.section << " field " << d.field;
    }
    dlg.DestroyWindow();
}

}  // namespace
