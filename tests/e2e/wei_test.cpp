// The experience-index windows of the running program on a system without
// the assessment tool (Wine has none): the scores are "-", and an
// assessment ends at once with the error, which the window shows.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/e2e/support/Process.h"

namespace {

const UINT kWinSatCommand = 32796;

std::wstring ItemText(HWND dialog, int id) {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

bool WaitFor(const std::function<bool()>& done, DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        ::Sleep(50);
    }
    return true;
}

bool WaitForText(HWND dialog, int id, const std::wstring& text, DWORD ms) {
    return WaitFor([&] { return ItemText(dialog, id) == text; }, ms);
}

TEST(WeiWindows, WithoutTheToolScoresAreDashesAndAnAssessmentShowsItsError) {
    OrvanelProcess app(L"");
    HWND main = app.WaitForWindow(L"#32770", L"Orvanel", 15000);
    ASSERT_NE(main, nullptr);

    ::PostMessageW(main, WM_COMMAND, kWinSatCommand, 0);
    HWND wei = app.WaitForWindow(L"#32770", L"Windows Experience Index (WEI)", 10000);
    ASSERT_NE(wei, nullptr);
    for (int id : {1002, 1052, 1094, 1112, 1127, 1101}) EXPECT_TRUE(WaitForText(wei, id, L"-", 15000)) << id;

    ::PostMessageW(wei, WM_COMMAND, MAKEWPARAM(1014, BN_CLICKED), 0);
    HWND run = app.WaitForWindow(L"#32770", L"Windows Experience Index Assessment", 10000);
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(WaitForText(run, 1178, L"Error 0x80040154: ", 5000));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(run, 1177)));

    // Closed again, the WEI window runs its noise, reads anew and still has nothing.
    ::PostMessageW(run, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return ItemText(wei, 1002).size() == 24; }, 10000));
    EXPECT_TRUE(WaitForText(wei, 1002, L"-", 15000));
    ::PostMessageW(wei, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(wei); }, 10000));
    EXPECT_FALSE(app.WaitForExit(200));  // the program goes on
}

}  // namespace
