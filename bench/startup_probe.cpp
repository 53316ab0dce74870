// Starts a program the way a user does (a fresh process with a private
// APPDATA folder) and reports how long it takes until its window is there:
//
//   startup_probe.exe RUNS PROGRAM PAGES [PROGRAM PAGES ...]
//
// Two moments are timed from process creation:
//   first-paint  a visible top-level dialog has painted itself and, when
//                PAGES is above 0, the child dialog it shows (the selected
//                section page) with all of that page's controls: nothing
//                visible in it waits for a paint any more;
//   all-pages    (PAGES above 0 only) the visible dialog holds at least PAGES
//                child dialogs (the main window's section pages).
// The programs take turns, RUNS rounds after one untimed warm-up round; each
// line printed is "name moment ms ms ... median ms".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"

namespace {

const wchar_t kDialogClass[] = L"#32770";

bool IsDialog(HWND h) {
    wchar_t cls[16] = {};
    ::GetClassNameW(h, cls, 16);
    return wcscmp(cls, kDialogClass) == 0;
}

bool NeedsPaint(HWND h) {
    RECT r;
    return ::GetUpdateRect(h, &r, FALSE) != FALSE;
}

// Only the direct children: the pages' own controls are not walked, so the
// polling costs the measured program as little as possible.
size_t CountDialogChildren(HWND parent) {
    size_t n = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (IsDialog(child)) ++n;
    return n;
}

// The window and every visible window below it are painted.
bool PaintedWithChildren(HWND h) {
    if (NeedsPaint(h)) return false;
    for (HWND child = ::GetWindow(h, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child) && !PaintedWithChildren(child)) return false;
    return true;
}

// A visible top-level dialog that has painted itself (and, for a program
// with pages, shows a page and has painted everything on it).
bool IsPainted(HWND h, bool withPage) {
    if (!IsDialog(h) || !::IsWindowVisible(h)) return false;
    if (!withPage) return !NeedsPaint(h);
    bool pageShown = false;
    for (HWND child = ::GetWindow(h, GW_CHILD); child && !pageShown; child = ::GetWindow(child, GW_HWNDNEXT))
        pageShown = IsDialog(child) && ::IsWindowVisible(child);
    return pageShown && PaintedWithChildren(h);
}

bool HasAllPages(HWND h, size_t pages) {
    return IsDialog(h) && ::IsWindowVisible(h) && CountDialogChildren(h) >= pages;
}

struct Times {
    double firstPaint = -1;
    double allPages = -1;
};

double MsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER freq, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
}

// Milliseconds from process creation to each moment; false on failure.
bool TimeOneStart(const std::wstring& exe, size_t pages, Times* t) {
    LARGE_INTEGER start;
    ::QueryPerformanceCounter(&start);
    // The process is ended (and its APPDATA removed) as `process` goes.
    OrvanelProcess process(L"", std::wstring(), exe);
    if (!process.Started()) return false;
    const DWORD deadline = ::GetTickCount() + 60000;
    for (;;) {
        for (HWND h : process.Windows()) {
            if (t->firstPaint < 0 && IsPainted(h, pages > 0)) t->firstPaint = MsSince(start);
            if (pages > 0 && t->allPages < 0 && HasAllPages(h, pages)) t->allPages = MsSince(start);
        }
        if (t->firstPaint >= 0 && (pages == 0 || t->allPages >= 0)) return true;
        if (process.WaitForExit(0) || static_cast<LONG>(deadline - ::GetTickCount()) <= 0) return false;
        ::Sleep(2);
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void PrintLine(const std::wstring& exe, const wchar_t* moment, const std::vector<double>& ms) {
    std::wprintf(L"%ls %ls", exe.c_str(), moment);
    for (double v : ms) std::wprintf(L" %.0f", v);
    std::wprintf(L" median %.0f\n", Median(ms));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4 || (argc - 2) % 2 != 0) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM PAGES [PROGRAM PAGES ...]\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    struct Program {
        std::wstring exe;
        size_t pages;
        std::vector<double> firstPaint, allPages;
    };
    std::vector<Program> programs;
    for (int i = 2; i + 1 < argc; i += 2) programs.push_back({argv[i], static_cast<size_t>(_wtoi(argv[i + 1])), {}, {}});

    // Round 0 warms the disk cache and Wine's services and is not counted.
    for (int round = 0; round <= runs; ++round) {
        for (Program& p : programs) {
            Times t;
            if (!TimeOneStart(p.exe, p.pages, &t)) {
                std::fwprintf(stderr, L"%ls did not start\n", p.exe.c_str());
                return 1;
            }
            if (round == 0) continue;
            p.firstPaint.push_back(t.firstPaint);
            if (p.pages > 0) p.allPages.push_back(t.allPages);
        }
    }
    for (const Program& p : programs) {
        PrintLine(p.exe, L"first-paint", p.firstPaint);
        if (p.pages > 0) PrintLine(p.exe, L"all-pages", p.allPages);
    }
    return 0;
}
