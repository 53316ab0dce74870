// The widgets dialog in-process, with the widget manager it edits.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "tests/common/TaskFolder.h"
#include "tests/wine/support/TestSupport.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CDlgWidgets.h"
#include "widgets/CWidgetManager.h"

namespace {

const int kOptionControls[] = {
    IDC_WIDGETS_SHOW,          IDC_WIDGETS_SHOW_LABEL,       IDC_WIDGETS_MOVEABLE,     IDC_WIDGETS_MOVEABLE_LABEL,
    IDC_WIDGETS_DISPLAY_LABEL, IDC_WIDGETS_ON_DESKTOP,       IDC_WIDGETS_ON_DESKTOP_LABEL, IDC_WIDGETS_ON_TOP,
    IDC_WIDGETS_ON_TOP_LABEL,  IDC_WIDGETS_COLOR,            IDC_WIDGETS_COLOR_LABEL,  IDC_WIDGETS_BACKGROUND,
    IDC_WIDGETS_BACKGROUND_LABEL, IDC_WIDGETS_OPACITY,       IDC_WIDGETS_OPACITY_SPIN, IDC_WIDGETS_OPACITY_LABEL,
};
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
enum Column { kName, kState, kMoveable, kColor, kBackground, kOpacity };

class WidgetsDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(theApp.m_gdiplus.Startup()); }
    void SetUp() override {
        theApp.m_collectors.Build();  // the open widgets read them
        theApp.m_translate.Load(L"English");
        theApp.m_options.SetBool(L"fDarkMode", true);
    }
    void TearDown() override {
        if (dlg) dlg->DestroyWindow();
        manager.CloseAll();
    }

    // Settings as a file holds them before the program starts.
    void Write(const wchar_t* key, const wchar_t* value) {
        ::WritePrivateProfileStringW(L"Widgets", key, value, settings.File().c_str());
    }
    void Open(bool widgetsOn) {
        theApp.m_options.SetBool(L"fWidgetsEnable", widgetsOn);
        manager.Load();
        dlg = std::make_unique<CDlgWidgets>(theApp.Context(), manager);
        ASSERT_TRUE(dlg->Create(IDD_WIDGETS, static_cast<HWND>(nullptr)));
    }

    HWND Item(int id) const { return dlg->GetDlgItem(id); }
    HWND List() const { return Item(IDC_WIDGETS_LIST); }
    size_t Index(const wchar_t* kind) const { return static_cast<size_t>(manager.IndexOf(kind)); }
    std::wstring Cell(size_t row, int column) const {
        wchar_t text[128] = {};
        ListView_GetItemText(List(), static_cast<int>(row), column, text, 128);
        return text;
    }
    void Select(size_t row) {
        ListView_SetItemState(List(), static_cast<int>(row), LVIS_SELECTED | LVIS_FOCUSED,
                              LVIS_SELECTED | LVIS_FOCUSED);
    }
    // A click on a check box: it flips, then tells the dialog.
    void Click(int id) {
        ::CheckDlgButton(dlg->m_hWnd, id, ::IsDlgButtonChecked(dlg->m_hWnd, id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        ::SendMessageW(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }
    bool Checked(int id) const { return ::IsDlgButtonChecked(dlg->m_hWnd, id) == BST_CHECKED; }
    bool OptionsHidden() const {
        for (int id : kOptionControls)
            if (::GetWindowLongW(Item(id), GWL_STYLE) & WS_VISIBLE) return false;
        return true;
    }
    bool WindowOpen(size_t index) const {
        CDlgWidget* w = manager.Window(index);
        return w && w->GetSafeHwnd();
    }
    std::wstring Stored(const std::wstring& key) const {
        wchar_t value[64] = {};
        ::GetPrivateProfileStringW(L"Widgets", key.c_str(), L"", value, 64, settings.File().c_str());
        return value;
    }
    // The opacity box's arrow keys, as the user presses them.
    void PressOpacityArrow(UINT key) { ::SendMessageW(Item(IDC_WIDGETS_OPACITY), WM_KEYDOWN, key, 0); }

    ScopedSettings settings;
    CWidgetManager manager{theApp.Context()};
    std::unique_ptr<CDlgWidgets> dlg;
};

TEST_F(WidgetsDialog, OpensWithTheListDisabledAndNoOptionsWhileWidgetsAreOff) {
    Write(L"DateTimeColor", L"#123456");
    Open(false);
    EXPECT_EQ(dlg->GetWindowText(), L"Widgets");
    EXPECT_FALSE(::IsWindowEnabled(List()));
    EXPECT_FALSE(Checked(IDC_WIDGETS_ENABLE));
    EXPECT_TRUE(OptionsHidden());

    ASSERT_EQ(static_cast<size_t>(ListView_GetItemCount(List())), manager.Count());
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), -1);
    const size_t cpu = Index(L"CPUUsage");
    EXPECT_EQ(Cell(cpu, kName), L"CPU Usage (Bar)");
    EXPECT_EQ(Cell(cpu, kState), L"Hidden");
    EXPECT_EQ(Cell(cpu, kMoveable), L"No");
    EXPECT_EQ(Cell(cpu, kColor), L"Blue");
    EXPECT_EQ(Cell(cpu, kBackground), L"Visible");
    EXPECT_EQ(Cell(cpu, kOpacity), L"100");
    // Every column is at least as wide as its header.
    HWND header = ListView_GetHeader(List());
    for (int c = 0; c < 6; ++c) {
        wchar_t title[64] = {};
        HDITEMW hd{};
        hd.mask = HDI_TEXT;
        hd.pszText = title;
        hd.cchTextMax = 64;
        Header_GetItem(header, c, &hd);
        EXPECT_GE(ListView_GetColumnWidth(List(), c), ListView_GetStringWidth(List(), title)) << title;
    }

    // A colour the dialog does not offer: no name, no chosen item.
    const size_t clock = Index(L"DateTime");
    EXPECT_EQ(Cell(clock, kColor), L"");
    ::EnableWindow(List(), TRUE);
    Select(clock);
    EXPECT_FALSE(OptionsHidden());
    EXPECT_EQ(::SendMessageW(Item(IDC_WIDGETS_COLOR), CB_GETCURSEL, 0, 0), CB_ERR);
    // A hidden widget's options are there but cannot be used.
    EXPECT_FALSE(Checked(IDC_WIDGETS_SHOW));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WIDGETS_SHOW)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WIDGETS_COLOR)));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WIDGETS_MOVEABLE)));
}

TEST_F(WidgetsDialog, TheGlobalSwitchOpensAndClosesEveryEnabledWidget) {
    Write(L"CPUUsageEnable", L"1");
    Write(L"DateTimeEnable", L"1");
    Open(false);
    const size_t cpu = Index(L"CPUUsage"), clock = Index(L"DateTime"), mouse = Index(L"Mouse");

    Click(IDC_WIDGETS_ENABLE);
    EXPECT_TRUE(::IsWindowEnabled(List()));
    EXPECT_TRUE(WindowOpen(cpu));
    EXPECT_TRUE(WindowOpen(clock));
    EXPECT_FALSE(WindowOpen(mouse));
    EXPECT_TRUE(theApp.m_options.GetBool(L"fWidgetsEnable"));

    Select(cpu);
    EXPECT_FALSE(OptionsHidden());
    EXPECT_TRUE(Checked(IDC_WIDGETS_SHOW));
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WIDGETS_COLOR)));

    HKEY run = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &run, nullptr),
              ERROR_SUCCESS);
    const wchar_t command[] = L"orvanel.exe -auto";
    ::RegSetValueExW(run, L"Orvanel", 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof(command));
    ::CheckDlgButton(dlg->m_hWnd, IDC_WIDGETS_AUTORUN, BST_CHECKED);

    Click(IDC_WIDGETS_ENABLE);
    EXPECT_FALSE(::IsWindowEnabled(List()));
    EXPECT_FALSE(WindowOpen(cpu));
    EXPECT_FALSE(WindowOpen(clock));
    EXPECT_TRUE(OptionsHidden());
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), -1);
    EXPECT_FALSE(Checked(IDC_WIDGETS_AUTORUN));
    EXPECT_EQ(::RegQueryValueExW(run, L"Orvanel", nullptr, nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    ::RegCloseKey(run);
    // The widgets keep their own switches for the next time.
    EXPECT_EQ(Stored(L"CPUUsageEnable"), L"1");
    EXPECT_FALSE(theApp.m_options.GetBool(L"fWidgetsEnable"));
}

TEST_F(WidgetsDialog, AChosenColourIsStoredAppliedAndListedWithinThreeSeconds) {
    Write(L"CPUUsageEnable", L"1");
    Open(true);
    manager.ShowEnabled();
    const size_t cpu = Index(L"CPUUsage");
    Select(cpu);
    HWND combo = Item(IDC_WIDGETS_COLOR);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 4);

    ASSERT_NE(::SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Red")), CB_ERR);
    ::SendMessageW(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_WIDGETS_COLOR, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(Stored(L"CPUUsageColor"), L"#FF0000");
    EXPECT_EQ(manager.Settings(cpu).Color, 0xFFFF0000u);
    EXPECT_EQ(manager.Window(cpu)->Colors().Lit & 0xFFFFFF, 0xFF0000u);

    // The colour cannot be typed.
    ::SetWindowTextW(combo, L"Purple");
    ::SendMessageW(dlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_WIDGETS_COLOR, CBN_EDITCHANGE), reinterpret_cast<LPARAM>(combo));
    wchar_t shown[32] = {};
    ::GetWindowTextW(combo, shown, 32);
    EXPECT_STREQ(shown, L"Red");

    EXPECT_EQ(Cell(cpu, kColor), L"Blue");  // not yet
    PumpMessages(3300);
    EXPECT_EQ(Cell(cpu, kColor), L"Red");
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), static_cast<int>(cpu));
}

TEST_F(WidgetsDialog, OpacityArrowsStayWithinTwentyToAHundred) {
    Write(L"MouseOpacity", L"20");
    Open(true);
    const size_t mouse = Index(L"Mouse");
    Select(mouse);
    EXPECT_EQ(::SendMessageW(Item(IDC_WIDGETS_OPACITY_SPIN), UDM_GETPOS32, 0, 0), 20);

    PressOpacityArrow(VK_DOWN);
    EXPECT_EQ(manager.Settings(mouse).Opacity, 20);
    EXPECT_EQ(Stored(L"MouseOpacity"), L"20");
    EXPECT_EQ(dlg->GetDlgItemText(IDC_WIDGETS_OPACITY), L"20");

    // A hidden widget's opacity is kept for when it is shown.
    PressOpacityArrow(VK_UP);
    EXPECT_EQ(manager.Settings(mouse).Opacity, 21);
    EXPECT_EQ(Stored(L"MouseOpacity"), L"21");
}

TEST_F(WidgetsDialog, PlacementAndTheShowBoxReachTheOpenWindow) {
    Open(true);
    const size_t clock = Index(L"DateTime");
    Select(clock);
    Click(IDC_WIDGETS_SHOW);
    ASSERT_TRUE(WindowOpen(clock));
    EXPECT_EQ(Stored(L"DateTimeEnable"), L"1");
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_WIDGETS_MOVEABLE)));
    HWND widget = manager.Window(clock)->m_hWnd;

    Click(IDC_WIDGETS_ON_TOP);
    EXPECT_TRUE(Checked(IDC_WIDGETS_ON_TOP));
    EXPECT_FALSE(Checked(IDC_WIDGETS_ON_DESKTOP));
    EXPECT_TRUE(::GetWindowLongW(widget, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Stored(L"DateTimeTop"), L"1");
    // Ticking the ticked box again leaves it ticked.
    Click(IDC_WIDGETS_ON_TOP);
    EXPECT_TRUE(Checked(IDC_WIDGETS_ON_TOP));

    Click(IDC_WIDGETS_ON_DESKTOP);
    EXPECT_FALSE(::GetWindowLongW(widget, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Stored(L"DateTimeTop"), L"0");

    Click(IDC_WIDGETS_MOVEABLE);
    EXPECT_FALSE(::GetWindowLongW(widget, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    Click(IDC_WIDGETS_MOVEABLE);
    EXPECT_TRUE(::GetWindowLongW(widget, GWL_EXSTYLE) & WS_EX_TRANSPARENT);

    Click(IDC_WIDGETS_SHOW);
    EXPECT_FALSE(WindowOpen(clock));
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_WIDGETS_MOVEABLE)));
    EXPECT_EQ(Stored(L"DateTimeEnable"), L"0");
}

TEST_F(WidgetsDialog, TheLogonBoxFollowsTheTask) {
    {
        TaskRootFolder root;
        ASSERT_TRUE(root.AddTask(L"Orvanel Autorun", L"C:\\Orvanel\\orvanel.exe"));
    }
    Open(true);
    EXPECT_TRUE(Checked(IDC_WIDGETS_AUTORUN));
    Click(IDC_WIDGETS_AUTORUN);
    EXPECT_FALSE(Checked(IDC_WIDGETS_AUTORUN));
    TaskRootFolder root;
    EXPECT_FALSE(root.HasTask(L"Orvanel Autorun"));
}

}  // namespace
