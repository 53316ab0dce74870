// orvanel.scr started the way Windows starts it, with a private APPDATA.
#include <gtest/gtest.h>

#include "common/Format.h"
#include "tests/e2e/support/Process.h"

namespace {

const wchar_t kScr[] = L"orvanel.scr";

// Handles messages of this thread for `ms`: a preview child in another
// process talks to its parent (this thread's window) while it is made.
void PumpFor(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    do {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
}

bool ExitsWithin(OrvanelProcess& p, DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (!p.WaitForExit(0)) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        PumpFor(50);
    }
    return true;
}

std::wstring SettingsFile(const std::wstring& appData) {
    return appData + L"\\Velmora\\Orvanel\\Screensaver\\settings.ini";
}

std::wstring ReadSetting(const std::wstring& appData, const wchar_t* key) {
    wchar_t buf[260] = {};
    ::GetPrivateProfileStringW(L"Screensaver", key, L"<none>", buf, 260, SettingsFile(appData).c_str());
    return buf;
}

HWND WaitForBoard(const OrvanelProcess& p) {
    const DWORD end = ::GetTickCount() + 30000;
    while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
        for (HWND h : p.Windows())
            if (::IsWindowVisible(h) && (::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST)) return h;
        ::Sleep(50);
    }
    return nullptr;
}

std::wstring ComboText(HWND combo, LRESULT item) {
    wchar_t buf[256] = {};
    if (::SendMessageW(combo, CB_GETLBTEXTLEN, item, 0) < 256) ::SendMessageW(combo, CB_GETLBTEXT, item, (LPARAM)buf);
    return buf;
}

std::vector<std::wstring> ComboTexts(HWND combo) {
    std::vector<std::wstring> texts;
    const LRESULT n = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) texts.push_back(ComboText(combo, i));
    return texts;
}

// Picks an entry the way a user does: select it, and the list tells its dialog.
void Choose(HWND dialog, int id, const std::wstring& text) {
    HWND combo = ::GetDlgItem(dialog, id);
    const LRESULT item = ::SendMessageW(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str()));
    ASSERT_NE(item, CB_ERR) << "no entry " << std::string(text.begin(), text.end());
    ::SendMessageW(combo, CB_SETCURSEL, item, 0);
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

TEST(ScreensaverPreview, FillsTheHostWindowAndEndsWithIt) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvanelPreviewHost";
    ::RegisterClassW(&wc);
    HWND host = ::CreateWindowExW(0, wc.lpszClassName, L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 330, 250,
                                  nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(host);
    OrvanelProcess scr(Format(L"/p %lld", static_cast<long long>(reinterpret_cast<intptr_t>(host))), L"", kScr);
    ASSERT_TRUE(scr.Started());

    // The child exists as soon as it is made; it shows itself once sized.
    HWND child = nullptr;
    for (int i = 0; i < 600 && !(child && ::IsWindowVisible(child)); ++i) {
        PumpFor(50);
        child = ::GetWindow(host, GW_CHILD);
    }
    ASSERT_TRUE(child && ::IsWindowVisible(child)) << "no preview inside the host";
    DWORD pid = 0;
    ::GetWindowThreadProcessId(child, &pid);
    EXPECT_EQ(pid, scr.Pid());
    RECT hostClient{}, childRect{};
    ::GetClientRect(host, &hostClient);
    ::GetWindowRect(child, &childRect);
    ::MapWindowPoints(HWND_DESKTOP, host, reinterpret_cast<POINT*>(&childRect), 2);
    EXPECT_EQ(childRect.left, 0);
    EXPECT_EQ(childRect.top, 0);
    EXPECT_EQ(childRect.right, hostClient.right);
    EXPECT_EQ(childRect.bottom, hostClient.bottom);

    // Input never ends a preview.
    ::SendMessageW(child, WM_KEYDOWN, 'A', 0);
    for (int i = 0; i < 12; ++i) ::SendMessageW(child, WM_MOUSEMOVE, 0, MAKELPARAM(i, i));
    PumpFor(300);
    EXPECT_FALSE(scr.WaitForExit(0));

    ::DestroyWindow(host);
    EXPECT_TRUE(ExitsWithin(scr, 10000)) << "the preview outlived its host";
}

TEST(ScreensaverPreview, WithoutAWindowEndsAtOnce) {
    for (const wchar_t* tail : {L"/p", L"/p 0", L"/p1"}) {
        SCOPED_TRACE(std::string(tail, tail + wcslen(tail)));
        OrvanelProcess scr(tail, L"", kScr);
        ASSERT_TRUE(scr.Started());
        EXPECT_TRUE(scr.WaitForExit(20000));
    }
}

// The board of a background, started full screen.
struct Board {
    explicit Board(const wchar_t* background) : appData(MakeTempFolder(L"orvanel-scr")) {
        std::wstring path = appData;
        for (const wchar_t* part : {L"\\Velmora", L"\\Orvanel", L"\\Screensaver"})
            ::CreateDirectoryW((path += part).c_str(), nullptr);
        ::WritePrivateProfileStringW(L"Screensaver", L"strBackground", background, SettingsFile(appData).c_str());
    }
    ~Board() { RemoveFolder(appData); }
    std::wstring appData;
};

TEST(ScreensaverFullScreen, OnlyTheSeeThroughBackgroundIsLayered) {
    for (const wchar_t* background : {L"transparent", L"space", L"Space"}) {
        SCOPED_TRACE(std::string(background, background + wcslen(background)));
        Board settings(background);
        OrvanelProcess scr(L"/s", settings.appData, kScr);
        HWND board = WaitForBoard(scr);
        ASSERT_TRUE(board);
        const bool layered = ::GetWindowLongW(board, GWL_EXSTYLE) & WS_EX_LAYERED;
        EXPECT_EQ(layered, wcscmp(background, L"transparent") == 0);
        // A click ends it whatever is behind.
        ::PostMessageW(board, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(scr.WaitForExit(10000));
    }
}

TEST(ScreensaverFullScreen, TenMouseMovesAreIgnoredTheEleventhEndsIt) {
    // An opaque board that appears under the cursor gets a move or two from
    // the window system itself (that is what the ten are for); the
    // see-through board shows nothing until its first frame, so every move
    // it counts here is one of ours.
    Board settings(L"transparent");
    OrvanelProcess scr(L"/s", settings.appData, kScr);
    HWND board = WaitForBoard(scr);
    ASSERT_TRUE(board);
    RECT r{};
    ::GetWindowRect(board, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, ::GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, ::GetSystemMetrics(SM_CYSCREEN));
    EXPECT_TRUE(::GetWindowLongW(board, GWL_EXSTYLE) & WS_EX_TOPMOST);

    for (int i = 0; i < 10; ++i) ::SendMessageW(board, WM_MOUSEMOVE, 0, MAKELPARAM(100 + i, 100));
    EXPECT_FALSE(scr.WaitForExit(1000)) << "ended before the eleventh mouse move";
    ::SendMessageW(board, WM_MOUSEMOVE, 0, MAKELPARAM(200, 100));
    EXPECT_TRUE(scr.WaitForExit(10000));
}

TEST(ScreensaverFullScreen, KeyClickAndDisplayOffEndIt) {
    struct Case {
        const char* what;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        bool ends;
    } cases[] = {
        {"key", WM_KEYDOWN, 'Q', 0, true},
        {"arrow key", WM_KEYDOWN, VK_LEFT, 0, true},
        {"right button", WM_RBUTTONUP, 0, MAKELPARAM(10, 10), true},
        {"display off", WM_SYSCOMMAND, SC_MONITORPOWER, 2, true},
        {"display low power", WM_SYSCOMMAND, SC_MONITORPOWER, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OrvanelProcess scr(L"/s", L"", kScr);
        HWND board = WaitForBoard(scr);
        ASSERT_TRUE(board);
        // Posted like real input, so it passes the dialog's own key handling.
        ::PostMessageW(board, c.msg, c.wp, c.lp);
        EXPECT_EQ(scr.WaitForExit(c.ends ? 10000 : 1500), c.ends);
    }
}

TEST(ScreensaverSettings, SettingsFileExistsBeforeTheDialog) {
    OrvanelProcess scr(L"/c:1234", L"", kScr);
    HWND dlg = scr.WaitForWindow(L"#32770", L"Orvanel Screensaver Settings 1.2", 30000);
    ASSERT_TRUE(dlg);
    EXPECT_EQ(ReadSetting(scr.AppData(), L"strBackground"), L"space");
    EXPECT_EQ(ReadSetting(scr.AppData(), L"strLanguage"), L"English");
    HWND backgrounds = ::GetDlgItem(dlg, 1002);
    EXPECT_EQ(ComboTexts(backgrounds),
              (std::vector<std::wstring>{L"Black", L"Cyberpunk City", L"Space", L"Transparent"}));
    EXPECT_EQ(ComboText(backgrounds, ::SendMessageW(backgrounds, CB_GETCURSEL, 0, 0)), L"Space");
    // No language files in the folder: nothing to choose.
    EXPECT_EQ(::SendMessageW(::GetDlgItem(dlg, 1000), CB_GETCOUNT, 0, 0), 0);
    ::PostMessageW(dlg, WM_CLOSE, 0, 0);
    EXPECT_TRUE(scr.WaitForExit(10000));
}

TEST(ScreensaverSettings, ChoicesAreWrittenAtOnceAndLanguageRelabels) {
    const std::wstring appData = MakeTempFolder(L"orvanel-scr");
    const std::wstring folder = appData + L"\\Velmora\\Orvanel\\Screensaver";
    ::CreateDirectoryW((appData + L"\\Velmora").c_str(), nullptr);
    ::CreateDirectoryW((appData + L"\\Velmora\\Orvanel").c_str(), nullptr);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    for (const wchar_t* lng : {L"English.lng", L"Russian.lng", L"German.lng"})
        ASSERT_TRUE(::CopyFileW((TestProgramFolder() + L"\\screensaver-lang\\" + lng).c_str(),
                                (folder + L"\\" + lng).c_str(), FALSE));
    // The stored value is compared exactly: "Space" is not "space".
    ::WritePrivateProfileStringW(L"Screensaver", L"strBackground", L"Space", SettingsFile(appData).c_str());
    {
        OrvanelProcess scr(L"", appData, kScr);
        HWND dlg = scr.WaitForWindow(L"#32770", L"Orvanel Screensaver Settings 1.2", 30000);
        ASSERT_TRUE(dlg);
        HWND backgrounds = ::GetDlgItem(dlg, 1002);
        EXPECT_EQ(::SendMessageW(backgrounds, CB_GETCURSEL, 0, 0), 0);  // the first of the sorted list
        EXPECT_EQ(ComboText(backgrounds, 0), L"Black");

        Choose(dlg, 1002, L"Transparent");
        EXPECT_EQ(ReadSetting(appData, L"strBackground"), L"transparent");
        EXPECT_EQ(ReadSetting(appData, L"strLanguage"), L"English");

        Choose(dlg, 1000, L"Русский");
        EXPECT_EQ(ReadSetting(appData, L"strLanguage"), L"Russian");
        wchar_t title[256] = {};
        ::GetWindowTextW(dlg, title, 256);
        EXPECT_EQ(std::wstring(title), L"Настройки заставки Orvanel 1.2");
        wchar_t label[64] = {};
        ::GetDlgItemTextW(dlg, 1003, label, 64);
        EXPECT_EQ(std::wstring(label), L"Фон");
        EXPECT_EQ(ComboText(backgrounds, ::SendMessageW(backgrounds, CB_GETCURSEL, 0, 0)), L"Прозрачный");
        EXPECT_EQ(ReadSetting(appData, L"strBackground"), L"transparent");

        ::PostMessageW(dlg, WM_CLOSE, 0, 0);
        EXPECT_TRUE(scr.WaitForExit(10000));
    }
    RemoveFolder(appData);
}

}  // namespace
