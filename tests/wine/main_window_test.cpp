// The main window in-process: menu captions, the system menu and the tree's
// colours follow the language and the appearance.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include "app/AppMessages.h"
#include "app/COrvanelDlg.h"
#include "resources/resource.h"
#include "tests/wine/support/TestSupport.h"

namespace {

std::wstring MenuText(HMENU menu, UINT item, UINT flags) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, item, text, 128, flags);
    return text;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.m_gdiplus.Startup();
        theApp.m_collectors.Build();
        theApp.m_translate.Load(L"English");
        ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    }
    void TearDown() override { dlg.DestroyWindow(); }
    ScopedSettings settings;
    COrvanelDlg dlg{theApp.Context()};
};

TEST_F(MainWindow, LanguageChangeRenamesMenuButNotTheSystemMenuOrFixedItems) {
    HMENU menu = dlg.GetMenu();
    EXPECT_EQ(MenuText(menu, 0, MF_BYPOSITION), L"Widgets");
    EXPECT_EQ(MenuText(menu, ID_HELP_ABOUT, MF_BYCOMMAND), L"&About Orvanel...");

    theApp.m_translate.Load(L"Russian");
    dlg.SendMessage(WM_APP_LANGUAGE);
    EXPECT_EQ(MenuText(menu, 3, MF_BYPOSITION), L"Настройки");
    EXPECT_EQ(MenuText(menu, ID_WEB_APP, MF_BYCOMMAND), theApp.m_translate.Text(152));
    // The Tools pop-up got its command id; its first and last items keep their captions.
    EXPECT_EQ(::GetMenuItemID(menu, 2), static_cast<UINT>(-1));  // still a pop-up
    EXPECT_EQ(MenuText(menu, ID_SMART, MF_BYCOMMAND), L"S.M.A.R.T.");
    EXPECT_EQ(MenuText(menu, ID_OTHER_PRODUCT, MF_BYCOMMAND), L"Velmora Pulsebar");
    EXPECT_EQ(MenuText(::GetSystemMenu(dlg.m_hWnd, FALSE), IDM_ABOUTBOX, MF_BYCOMMAND), L"&About Orvanel...");

    std::vector<std::wstring> tree;
    for (const PAGE& p : dlg.Pages()) tree.push_back(p.text);
    ASSERT_EQ(tree.size(), 9u);
    EXPECT_EQ(tree[2], L"Процессор");
}

TEST_F(MainWindow, DarkModeOffGivesTheTreeItsColourBack) {
    // The window starts dark (the default): the platform colour was saved.
    HWND tree = dlg.Tree();
    EXPECT_EQ(TreeView_GetBkColor(tree), RGB(0, 0, 0));
    theApp.m_options.SetBool(L"fDarkMode", false);
    dlg.SendMessage(WM_APP_DARKMODE);
    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(-1));
    theApp.m_options.SetBool(L"fDarkMode", true);
    dlg.SendMessage(WM_APP_DARKMODE);
    EXPECT_EQ(TreeView_GetBkColor(tree), RGB(0, 0, 0));
    theApp.m_options.SetBool(L"fDarkMode", false);
    dlg.SendMessage(WM_APP_DARKMODE);
    EXPECT_EQ(TreeView_GetBkColor(tree), static_cast<COLORREF>(-1));
}

TEST_F(MainWindow, EnterDoesNotCloseIt) {
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));
}

}  // namespace

namespace {

// Whether the notification area holds the main window's icon: only an
// existing icon can be modified.
bool IconPresent(HWND owner) {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = owner;
    nid.uID = IDR_MAINFRAME;
    nid.uFlags = NIF_TIP;
    wcscpy(nid.szTip, L"Orvanel");
    return ::Shell_NotifyIconW(NIM_MODIFY, &nid) != FALSE;
}

TEST(MainWindowTray, HiddenWindowGetsItsIconBackWhenTheTaskbarIsRecreated) {
    ScopedSettings settings;
    theApp.m_gdiplus.Startup();
    theApp.m_collectors.Build();
    COrvanelDlg dlg{theApp.Context()};
    dlg.m_fAutoStart = true;
    ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    EXPECT_TRUE(IconPresent(dlg.m_hWnd));

    // The shell restarted and forgot every icon.
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = dlg.m_hWnd;
    nid.uID = IDR_MAINFRAME;
    ::Shell_NotifyIconW(NIM_DELETE, &nid);
    ASSERT_FALSE(IconPresent(dlg.m_hWnd));

    dlg.SendMessage(::RegisterWindowMessageW(L"TaskbarCreated"));
    EXPECT_TRUE(IconPresent(dlg.m_hWnd));

    // Gone with the window.
    dlg.DestroyWindow();
    EXPECT_FALSE(IconPresent(nid.hWnd));
}

}  // namespace

namespace {

// Start-up's window as DoModal runs it, noting how many pages exist when it
// first paints and when a message posted right after that paint arrives.
class FirstPaintProbe : public COrvanelDlg {
public:
    using COrvanelDlg::COrvanelDlg;
    static constexpr UINT kAfterPaint = WM_APP + 50;
    size_t pagesAtPaint = 0;
    bool selectedShownAtPaint = false;
    size_t pagesAfterPaint = 0;

protected:
    bool OnPaint() override {
        const bool first = !m_painted;
        m_painted = true;
        const bool handled = COrvanelDlg::OnPaint();
        if (first) {
            pagesAtPaint = Existing();
            selectedShownAtPaint = Page(0) && ::IsWindowVisible(Page(0)->m_hWnd);
            PostMessage(kAfterPaint);
        }
        return handled;
    }
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
        if (msg != kAfterPaint) return COrvanelDlg::OnMessage(msg, wp, lp, result);
        pagesAfterPaint = Existing();
        EndDialog(IDCANCEL);
        return true;
    }

private:
    size_t Existing() const {
        size_t n = 0;
        for (size_t s = 0; s < kSections; ++s) n += Page(s) && Page(s)->m_hWnd;
        return n;
    }
    bool m_painted = false;
};

// Start-up's services, as the application object prepares them before its window.
class MainWindowStart : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.m_gdiplus.Startup();
        theApp.m_collectors.Build();
        theApp.m_translate.Load(L"English");
    }
    ScopedSettings settings;
};

TEST_F(MainWindowStart, PaintsWithTheSelectedPageAloneAndHasAllPagesBeforeTheNextMessage) {
    FirstPaintProbe dlg{theApp.Context()};
    dlg.DoModal();
    EXPECT_EQ(dlg.pagesAtPaint, 1u);
    EXPECT_TRUE(dlg.selectedShownAtPaint);
    EXPECT_EQ(dlg.pagesAfterPaint, COrvanelDlg::kSections);
}

}  // namespace

namespace {

// A selection sent to the tree right at the first paint, before the posted
// message that creates the other pages: the chosen page must still appear.
class EarlySelectionProbe : public COrvanelDlg {
public:
    using COrvanelDlg::COrvanelDlg;
    bool chosenShown = false;

protected:
    bool OnPaint() override {
        const bool handled = COrvanelDlg::OnPaint();
        if (!m_done) {
            m_done = true;
            HWND tree = GetDlgItem(IDC_TREE);
            HTREEITEM item = TreeView_GetRoot(tree);
            for (int i = 0; i < 2 && item; ++i) item = TreeView_GetNextSibling(tree, item);  // the CPU page
            TreeView_SelectItem(tree, item);
            chosenShown = Page(2) && Page(2)->m_hWnd && ::IsWindowVisible(Page(2)->m_hWnd);
            EndDialog(IDCANCEL);
        }
        return handled;
    }

private:
    bool m_done = false;
};

TEST_F(MainWindowStart, ATreeSelectionBeforeTheOtherPagesExistShowsItsPage) {
    EarlySelectionProbe dlg{theApp.Context()};
    dlg.DoModal();
    EXPECT_TRUE(dlg.chosenShown);
}

}  // namespace
