// Runs a program for a long time the way a user leaves it running, and
// prints what it holds now and then (used by bench/soak):
//
//   soak_probe.exe main FIRST TOTAL [widgets]
//       orvanel.exe with the six usage monitors open (and, with "widgets",
//       the first-run widgets switched on in its settings)
//   soak_probe.exe scr FIRST TOTAL
//       orvanel.scr full screen
//
// One "sample SECONDS gdi USER handles WORKINGSET_KB" line after FIRST
// seconds and one at TOTAL seconds (standard output, flushed at once);
// "pid N" when the program has started; "error ..." on failure.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "tests/e2e/support/Process.h"

namespace {

struct Monitor {
    int section;  // position in the main window's tree
    const wchar_t* page;  // the page's title
    int button;   // the page's button that opens the monitor
};
// CPU, Memory, Graphics, Storage, Network, Audio.
const Monitor kMonitors[] = {{2, L"CPU", 1053},     {3, L"Memory", 1092},  {4, L"Graphics", 1014},
                             {6, L"Storage", 1053}, {7, L"Network", 1053}, {8, L"Audio", 1014}};
const int kTitleId = 1001;

std::wstring ControlText(HWND control) {
    wchar_t text[256] = {};
    if (control) ::SendMessageW(control, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND PageTitled(HWND main, const wchar_t* title) {
    for (HWND c = ::GetWindow(main, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT))
        if (ControlText(::GetDlgItem(c, kTitleId)) == title) return c;
    return nullptr;
}

size_t VisibleTopLevelWindows(const OrvanelProcess& p) {
    size_t n = 0;
    for (HWND h : p.Windows())
        if (::IsWindowVisible(h)) ++n;
    return n;
}

void Sample(DWORD pid, double seconds) {
    HANDLE h = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!h) {
        std::printf("error cannot open process %lu\n", static_cast<unsigned long>(pid));
        std::fflush(stdout);
        return;
    }
    const DWORD gdi = ::GetGuiResources(h, GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(h, GR_USEROBJECTS);
    DWORD handles = 0;
    ::GetProcessHandleCount(h, &handles);
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(h, &pmc, sizeof(pmc));
    ::CloseHandle(h);
    std::printf("sample %.0f %lu %lu %lu %lu\n", seconds, static_cast<unsigned long>(gdi),
                static_cast<unsigned long>(user), static_cast<unsigned long>(handles),
                static_cast<unsigned long>(pmc.WorkingSetSize / 1024));
    std::fflush(stdout);
}

// Samples after `first` and `total` seconds from `start`; false when the
// program ended before.
bool Watch(OrvanelProcess& p, DWORD start, double first, double total) {
    for (double at : {first, total}) {
        const DWORD due = start + static_cast<DWORD>(at * 1000);
        const LONG wait = static_cast<LONG>(due - ::GetTickCount());
        if (wait > 0 && p.WaitForExit(static_cast<DWORD>(wait))) {
            std::printf("error the program ended after %.0f s\n", (::GetTickCount() - start) / 1000.0);
            return false;
        }
        Sample(p.Pid(), (::GetTickCount() - start) / 1000.0);
    }
    return true;
}

int RunMain(double first, double total, bool widgets) {
    const std::wstring appData = MakeTempFolder(L"orvanel-soak");
    if (widgets) {
        const std::wstring folder = appData + L"\\Velmora\\Orvanel";
        ::CreateDirectoryW((appData + L"\\Velmora").c_str(), nullptr);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        WriteFileBytes(folder + L"\\settings.ini", "[Settings]\r\nfWidgetsEnable=1\r\n");
    }
    int rc = 0;
    {
        OrvanelProcess app(L"", appData);
        const DWORD start = ::GetTickCount();
        HWND main = app.WaitForWindow(L"#32770", L"Orvanel", 30000);
        if (!main) {
            std::printf("error no main window\n");
            RemoveFolder(appData);
            return 1;
        }
        std::printf("pid %lu\n", static_cast<unsigned long>(app.Pid()));
        const size_t before = VisibleTopLevelWindows(app);
        for (const Monitor& m : kMonitors) {
            HWND page = nullptr;
            for (int tries = 0; !page && tries < 100; ++tries) {
                page = PageTitled(main, m.page);
                if (!page) ::Sleep(100);
            }
            if (!page) {
                std::printf("error no %ls page\n", m.page);
                continue;
            }
            ::PostMessageW(page, WM_COMMAND, MAKEWPARAM(m.button, BN_CLICKED),
                           reinterpret_cast<LPARAM>(::GetDlgItem(page, m.button)));
            ::Sleep(1500);  // some monitors wait a second before they open
        }
        ::Sleep(2000);
        std::printf("windows %zu shown before the monitors, %zu after\n", before, VisibleTopLevelWindows(app));
        std::fflush(stdout);
        if (!Watch(app, start, first, total)) rc = 1;
        ::PostMessageW(main, WM_CLOSE, 0, 0);
        app.WaitForExit(10000);
    }
    RemoveFolder(appData);
    return rc;
}

int RunScreensaver(double first, double total) {
    OrvanelProcess scr(L"/s", std::wstring(), L"orvanel.scr");
    if (!scr.Started()) {
        std::printf("error orvanel.scr did not start\n");
        return 1;
    }
    const DWORD start = ::GetTickCount();
    std::printf("pid %lu\n", static_cast<unsigned long>(scr.Pid()));
    std::fflush(stdout);
    return Watch(scr, start, first, total) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: soak_probe.exe main|scr FIRST TOTAL [widgets]\n");
        return 2;
    }
    const std::wstring what = argv[1];
    const double first = std::wcstod(argv[2], nullptr);
    const double total = std::wcstod(argv[3], nullptr);
    if (what == L"main") return RunMain(first, total, argc > 4 && std::wstring(argv[4]) == L"widgets");
    if (what == L"scr") return RunScreensaver(first, total);
    std::fprintf(stderr, "unknown program %ls\n", what.c_str());
    return 2;
}
