// Language, notification icon and close behaviour of the running program.
#include <gtest/gtest.h>

#include "tests/e2e/support/Process.h"

namespace {

const UINT kTrayExit = 32790;
const UINT kTrayOpen = 32783;

HWND MainWindow(const OrvanelProcess& p) { return p.WaitForWindow(L"#32770", L"Orvanel", 15000); }

// A process whose settings file is written before it starts.
struct Prepared {
    explicit Prepared(const std::string& lines) : appData(MakeTempFolder(L"orvanel-e2e")) {
        ::CreateDirectoryW((appData + L"\\Velmora").c_str(), nullptr);
        ::CreateDirectoryW((appData + L"\\Velmora\\Orvanel").c_str(), nullptr);
        WriteFileBytes(appData + L"\\Velmora\\Orvanel\\settings.ini", "[Settings]\r\n" + lines);
    }
    ~Prepared() { RemoveFolder(appData); }
    std::wstring appData;
};

bool WaitUntil(bool (*condition)(HWND), HWND h, DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (!condition(h)) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        ::Sleep(50);
    }
    return true;
}
bool Visible(HWND h) { return ::IsWindowVisible(h) != FALSE; }
bool Hidden(HWND h) { return ::IsWindowVisible(h) == FALSE; }
bool Restored(HWND h) { return ::IsWindowVisible(h) && !::IsIconic(h); }

TEST(Shell, LanguageFileBesideTheProgramRenamesTheSections) {
    Prepared prepared("strLanguage=Russian\r\nstrFont=\r\n");
    OrvanelProcess app(L"", prepared.appData);
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil(Visible, main, 5000));
    std::vector<std::wstring> items = TreeItemTexts(::GetDlgItem(main, 1000), app.Pid());
    ASSERT_EQ(items.size(), 9u);
    EXPECT_EQ(items[0], L"Сводка");
    EXPECT_EQ(items[8], L"Звук");
}

TEST(Shell, CloseEndsTheProgramOnlyWhileWidgetsAreOff) {
    {
        OrvanelProcess app(L"");
        HWND main = MainWindow(app);
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitUntil(Visible, main, 5000));
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(app.WaitForExit(10000));
    }
    Prepared prepared("fWidgetsEnable=1\r\n");
    OrvanelProcess app(L"", prepared.appData);
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitUntil(Visible, main, 5000));
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    // It goes to the notification area instead (hidden half a second after
    // minimising) and keeps running.
    EXPECT_TRUE(WaitUntil(Hidden, main, 5000));
    EXPECT_FALSE(app.WaitForExit(500));
    // Opened again from the icon's menu.
    ::PostMessageW(main, WM_COMMAND, kTrayOpen, 0);
    EXPECT_TRUE(WaitUntil(Restored, main, 5000));
    // Exit from the icon's menu ends it, widgets or not. (The five widgets of
    // a first run close first; without a window manager Wine takes about two
    // seconds to take each layered window off the screen.)
    ::PostMessageW(main, WM_COMMAND, kTrayExit, 0);
    EXPECT_TRUE(app.WaitForExit(25000));
}

TEST(Shell, HiddenStartOpensFromTheIcon) {
    OrvanelProcess app(L"-auto");
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    ::Sleep(1000);
    EXPECT_FALSE(::IsWindowVisible(main));
    // A double click on the icon arrives as the icon's callback message.
    ::PostMessageW(main, WM_USER + 101, 128, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil(Visible, main, 5000));
}

}  // namespace
