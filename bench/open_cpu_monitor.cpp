// Used by bench/idle: opens the CPU monitor of a running orvanel.exe the way
// a user does, by selecting the CPU section in the tree and pressing the
// page's Usage button. Exits with 0 once the monitor window is on the screen,
// 1 when the main window or the monitor cannot be found within 20 seconds.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cwchar>

#include "tests/e2e/support/Process.h"

namespace {

const size_t kCpuSection = 2;
const int kUsageButton = 1053;

struct Found {
    HWND main = nullptr;
    HWND monitor = nullptr;
};

BOOL CALLBACK Look(HWND h, LPARAM lp) {
    auto* f = reinterpret_cast<Found*>(lp);
    wchar_t cls[16] = {}, title[64] = {};
    ::GetClassNameW(h, cls, 16);
    ::GetWindowTextW(h, title, 64);
    if (wcscmp(cls, L"#32770") != 0 || !::IsWindowVisible(h)) return TRUE;
    if (wcscmp(title, L"Orvanel") == 0 && ::FindWindowExW(h, nullptr, WC_TREEVIEWW, nullptr)) f->main = h;
    if (wcscmp(title, L"CPU Usage") == 0) f->monitor = h;
    return TRUE;
}

Found Windows() {
    Found f;
    ::EnumWindows(Look, reinterpret_cast<LPARAM>(&f));
    return f;
}

// The section page the main window shows.
HWND VisiblePage(HWND main) {
    for (HWND child = ::GetWindow(main, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        ::GetClassNameW(child, cls, 16);
        if (wcscmp(cls, L"#32770") == 0 && ::IsWindowVisible(child)) return child;
    }
    return nullptr;
}

bool WaitFor(bool (*done)(), DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        ::Sleep(50);
    }
    return true;
}

}  // namespace

int wmain() {
    if (!WaitFor([] { return Windows().main != nullptr; }, 20000)) {
        std::fprintf(stderr, "no main window\n");
        return 1;
    }
    const HWND main = Windows().main;
    if (!SelectTreeItem(::FindWindowExW(main, nullptr, WC_TREEVIEWW, nullptr), kCpuSection)) {
        std::fprintf(stderr, "no CPU section\n");
        return 1;
    }
    const HWND page = VisiblePage(main);
    const HWND button = page ? ::GetDlgItem(page, kUsageButton) : nullptr;
    if (!button) {
        std::fprintf(stderr, "no Usage button\n");
        return 1;
    }
    ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(kUsageButton, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    if (!WaitFor([] { return Windows().monitor != nullptr; }, 20000)) {
        std::fprintf(stderr, "no CPU monitor\n");
        return 1;
    }
    return 0;
}
