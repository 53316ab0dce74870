// The built program started as a separate process with a fresh profile.
#include <gtest/gtest.h>

#include "tests/e2e/support/Process.h"

namespace {

const wchar_t* const kSections[] = {L"Summary",     L"Software", L"CPU",     L"Memory", L"Graphics",
                                    L"Motherboard", L"Storage",  L"Network", L"Audio"};
const wchar_t kAlreadyRunning[] =
    L"The program is already running. The icon located in the notification area (system tray) near the clock.";

HWND MainWindow(const OrvanelProcess& p, DWORD ms = 15000) { return p.WaitForWindow(L"#32770", L"Orvanel", ms); }

// The window exists from its initialisation on; it is shown a moment later.
bool BecomesVisible(HWND h, DWORD ms = 5000) {
    const DWORD end = ::GetTickCount() + ms;
    while (!::IsWindowVisible(h) && static_cast<LONG>(end - ::GetTickCount()) > 0) ::Sleep(50);
    return ::IsWindowVisible(h);
}

TEST(Startup, ShowsTheMainWindowWithTheNineSections) {
    OrvanelProcess app(L"");
    ASSERT_TRUE(app.Started());
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(BecomesVisible(main));
    HWND tree = ::GetDlgItem(main, 1000);
    ASSERT_NE(tree, nullptr);
    std::vector<std::wstring> items = TreeItemTexts(tree, app.Pid());
    ASSERT_EQ(items.size(), 9u);
    for (size_t i = 0; i < 9; ++i) EXPECT_EQ(items[i], kSections[i]);
    // Enter does not close the window.
    ::PostMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(app.WaitForExit(1000));
    EXPECT_TRUE(::IsWindow(main));
}

TEST(Startup, SecondInstanceWarnsAndLeavesTheFirstAlone) {
    OrvanelProcess first(L"-auto");
    ASSERT_NE(MainWindow(first), nullptr);
    OrvanelProcess second(L"-uninstalltask", first.AppData());
    HWND box = second.WaitForWindow(L"#32770", L"orvanel", 15000);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), kAlreadyRunning);
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(second.WaitForExit(10000));
    EXPECT_TRUE(second.Windows().empty());
    // The first copy still runs, hidden as it was.
    EXPECT_FALSE(first.WaitForExit(500));
    HWND main = MainWindow(first, 1000);
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(::IsWindowVisible(main));
}

TEST(Startup, AutoStartsHidden) {
    OrvanelProcess app(L"-auto");
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    ::Sleep(1500);
    EXPECT_FALSE(::IsWindowVisible(main));
    EXPECT_FALSE(app.WaitForExit(100));
}

TEST(Startup, UninstallTaskCreatesNoWindowAndExits) {
    OrvanelProcess app(L"-uninstalltask");
    EXPECT_TRUE(app.WaitForExit(15000));
    EXPECT_TRUE(app.Windows().empty());
}

TEST(Startup, SwitchesAreMatchedExactly) {
    for (const wchar_t* tail : {L"-Auto", L"-auto ", L"/auto"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(tail)));
        OrvanelProcess app(tail);
        HWND main = MainWindow(app);
        ASSERT_NE(main, nullptr);
        EXPECT_TRUE(BecomesVisible(main));
    }
}

TEST(Startup, FirstRunCreatesTheSettingsFolderAndWritesNoDefault) {
    OrvanelProcess app(L"");
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    // Closing (widgets off) ends the program.
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.WaitForExit(10000));
    const std::wstring folder = app.AppData() + L"\\Velmora\\Orvanel";
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    // The program ran on its defaults: none of them was written, so the
    // next start reads the defaults again.
    const std::wstring file = folder + L"\\settings.ini";
    for (const wchar_t* key : {L"strLanguage", L"fDarkMode", L"strFont", L"fWidgetsEnable"}) {
        wchar_t value[64] = {};
        ::GetPrivateProfileStringW(L"Settings", key, L"(absent)", value, 64, file.c_str());
        EXPECT_STREQ(value, L"(absent)") << ::testing::PrintToString(std::wstring(key));
    }
}

}  // namespace
