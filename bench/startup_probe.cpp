// Starts a program the way a user does (a fresh process with a private
// APPDATA folder) and reports how long it takes until its window is there:
//
//   startup_probe.exe RUNS PROGRAM PAGES [PROGRAM PAGES ...]
//
// A program counts as started once it shows a top-level dialog with at
// least PAGES child dialogs (the main window's section pages; 0 for a
// plain dialog). The programs take turns, RUNS rounds after one untimed
// warm-up round; each line printed is "name ms ms ms ... median".
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

// Only the direct children: the pages' own controls are not walked, so the
// polling costs the measured program as little as possible.
size_t CountDialogChildren(HWND parent) {
    size_t n = 0;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (IsDialog(child)) ++n;
    return n;
}

bool IsReady(const OrvanelProcess& process, size_t pages) {
    for (HWND h : process.Windows())
        if (IsDialog(h) && ::IsWindowVisible(h) && CountDialogChildren(h) >= pages) return true;
    return false;
}

// Milliseconds from process creation to the ready window; negative on failure.
double TimeOneStart(const std::wstring& exe, size_t pages) {
    LARGE_INTEGER freq, start, now;
    ::QueryPerformanceFrequency(&freq);
    ::QueryPerformanceCounter(&start);
    OrvanelProcess process(L"", std::wstring(), exe);
    if (!process.Started()) return -1;
    const DWORD deadline = ::GetTickCount() + 60000;
    while (!IsReady(process, pages)) {
        if (process.WaitForExit(0) || static_cast<LONG>(deadline - ::GetTickCount()) <= 0) return -1;
        ::Sleep(5);
    }
    ::QueryPerformanceCounter(&now);
    // The process is ended (and its APPDATA removed) as `process` goes.
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(freq.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
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
        std::vector<double> ms;
    };
    std::vector<Program> programs;
    for (int i = 2; i + 1 < argc; i += 2) programs.push_back({argv[i], static_cast<size_t>(_wtoi(argv[i + 1])), {}});

    // Round 0 warms the disk cache and Wine's services and is not counted.
    for (int round = 0; round <= runs; ++round) {
        for (Program& p : programs) {
            const double ms = TimeOneStart(p.exe, p.pages);
            if (ms < 0) {
                std::fwprintf(stderr, L"%ls did not start\n", p.exe.c_str());
                return 1;
            }
            if (round > 0) p.ms.push_back(ms);
        }
    }
    for (const Program& p : programs) {
        std::wprintf(L"%ls", p.exe.c_str());
        for (double ms : p.ms) std::wprintf(L" %.0f", ms);
        std::wprintf(L" median %.0f\n", Median(p.ms));
    }
    return 0;
}
