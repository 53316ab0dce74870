// The section pages of the running program, seen from outside: the values
// they end on, the tree switching between them, and the CPU page's Usage
// button with its monitor window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"

namespace {

const wchar_t* const kSections[] = {L"Summary",     L"Software", L"CPU",     L"Memory", L"Graphics",
                                    L"Motherboard", L"Storage",  L"Network", L"Audio"};
const size_t kCpuSection = 2;
const int kTitleId = 1001;
const int kCpuSpecification = 1052;
const int kCpuUsageButton = 1053;

HWND VisibleMainWindow(const OrvanelProcess& app) {
    HWND main = app.WaitForWindow(L"#32770", L"Orvanel", 15000);
    if (!main) return nullptr;
    const DWORD end = ::GetTickCount() + 5000;
    while (!::IsWindowVisible(main) && static_cast<LONG>(end - ::GetTickCount()) > 0) ::Sleep(50);
    return ::IsWindowVisible(main) ? main : nullptr;
}

// Text of a control of another process (WM_GETTEXT is carried across).
std::wstring ControlText(HWND control) {
    if (!control) return std::wstring();
    wchar_t text[512] = {};
    ::SendMessageW(control, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// The page windows: the main window's dialog children.
std::vector<HWND> Pages(HWND main) {
    std::vector<HWND> pages;
    for (HWND c = ::GetWindow(main, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[64] = {};
        ::GetClassNameW(c, cls, 64);
        if (std::wstring(cls) == L"#32770") pages.push_back(c);
    }
    return pages;
}

HWND PageTitled(HWND main, const std::wstring& title) {
    for (HWND p : Pages(main))
        if (ControlText(::GetDlgItem(p, kTitleId)) == title) return p;
    return nullptr;
}

std::vector<HWND> VisiblePages(HWND main) {
    std::vector<HWND> shown;
    for (HWND p : Pages(main))
        if (::IsWindowVisible(p)) shown.push_back(p);
    return shown;
}

// Runs a console program of the build folder; its standard output (UTF-8).
std::string RunForOutput(const std::wstring& exe, DWORD ms) {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &sa, 0)) return std::string();
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + exe + L"\"";
    const BOOL started =
        ::CreateProcessW(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    ::CloseHandle(writeEnd);
    std::string out;
    if (started) {
        char buf[4096];
        DWORD n = 0;
        while (::ReadFile(readEnd, buf, sizeof(buf), &n, nullptr) && n > 0) out.append(buf, n);
        ::WaitForSingleObject(pi.hProcess, ms);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::CloseHandle(readEnd);
    return out;
}

// The value the facts tool prints for one operation ("<operation>: <value>").
std::wstring FactValue(const std::string& output, const std::string& operation) {
    const std::string key = operation + ": ";
    size_t at = output.find(key);
    if (at == std::string::npos) return std::wstring();
    at += key.size();
    const size_t end = output.find_first_of("\r\n", at);
    const std::string utf8 = output.substr(at, end == std::string::npos ? std::string::npos : end - at);
    std::wstring wide(utf8.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                        static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n : 0);
    return wide;
}

// The top-level windows of the process with this title.
std::vector<HWND> WindowsTitled(const OrvanelProcess& app, const std::wstring& title) {
    std::vector<HWND> found;
    for (HWND h : app.Windows()) {
        wchar_t text[128] = {};
        ::GetWindowTextW(h, text, 128);
        if (title == text) found.push_back(h);
    }
    return found;
}

// A visible top-level window with this title other than `not`, within `ms`.
HWND WaitForShownWindow(const OrvanelProcess& app, const std::wstring& title, HWND not_, DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    do {
        for (HWND h : WindowsTitled(app, title))
            if (h != not_ && ::IsWindowVisible(h)) return h;
        ::Sleep(50);
    } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
    return nullptr;
}

// The window's pixels as the screen shows them.
std::vector<DWORD> Pixels(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<DWORD> pixels;
    if (w <= 0 || h <= 0) return pixels;
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = ::CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bmp) {
        HGDIOBJ old = ::SelectObject(mem, bmp);
        ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        ::GdiFlush();
        const DWORD* p = static_cast<const DWORD*>(bits);
        pixels.assign(p, p + static_cast<size_t>(w) * h);
        ::SelectObject(mem, old);
        ::DeleteObject(bmp);
    }
    ::DeleteDC(mem);
    ::ReleaseDC(nullptr, screen);
    return pixels;
}

void PressCpuUsage(HWND cpuPage) {
    ::PostMessageW(cpuPage, WM_COMMAND, MAKEWPARAM(kCpuUsageButton, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(cpuPage, kCpuUsageButton)));
}

TEST(Pages, CpuPageEndsOnTheProcessorNameTheFactsToolReads) {
    OrvanelProcess app(L"");
    HWND main = VisibleMainWindow(app);
    ASSERT_NE(main, nullptr);
    const DWORD shown = ::GetTickCount();
    const std::string facts = RunForOutput(TestProgramFolder() + L"\\orvanel-facts.exe", 60000);
    const std::wstring expected = FactValue(facts, "CHardwareCPU::GetProcessorName");
    ASSERT_FALSE(expected.empty()) << facts;

    const DWORD elapsed = ::GetTickCount() - shown;
    if (elapsed < 1500) ::Sleep(1500 - elapsed);
    HWND cpu = PageTitled(main, L"CPU");
    ASSERT_NE(cpu, nullptr);
    // The reveal takes 1.2 s of timer ticks; on a busy machine the ticks
    // come late, so give the last frame a little longer to arrive.
    HWND field = ::GetDlgItem(cpu, kCpuSpecification);
    for (int i = 0; i < 100 && ControlText(field) != expected; ++i) ::Sleep(50);
    EXPECT_EQ(ControlText(field), expected);
}

TEST(Pages, EachTreeItemShowsItsOwnPageAlone) {
    OrvanelProcess app(L"");
    HWND main = VisibleMainWindow(app);
    ASSERT_NE(main, nullptr);
    HWND tree = ::GetDlgItem(main, 1000);
    for (size_t section = 0; section < 9; ++section) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(kSections[section])));
        ASSERT_TRUE(SelectTreeItem(tree, section));
        const std::vector<HWND> shown = VisiblePages(main);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(ControlText(::GetDlgItem(shown[0], kTitleId)), kSections[section]);
        // Right of the tree, at the page position.
        RECT r{};
        ::GetWindowRect(shown[0], &r);
        ::MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 146);
        EXPECT_EQ(r.top, 9);
    }
}

TEST(Pages, CpuUsageOpensOneMonitorWindowUntilItIsClosed) {
    OrvanelProcess app(L"");
    HWND main = VisibleMainWindow(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(SelectTreeItem(::GetDlgItem(main, 1000), kCpuSection));
    HWND cpu = PageTitled(main, L"CPU");
    ASSERT_NE(cpu, nullptr);

    PressCpuUsage(cpu);
    HWND monitor = WaitForShownWindow(app, L"CPU Usage", nullptr, 10000);
    ASSERT_NE(monitor, nullptr);
    // One sample a second: the graph (and gauge) redraw as time passes.
    ::Sleep(500);
    const std::vector<DWORD> before = Pixels(monitor);
    ::Sleep(3000);
    const std::vector<DWORD> after = Pixels(monitor);
    ASSERT_FALSE(before.empty());
    EXPECT_NE(before, after);

    // Pressing again while it is open changes nothing.
    PressCpuUsage(cpu);
    ::Sleep(700);
    EXPECT_EQ(WindowsTitled(app, L"CPU Usage"), std::vector<HWND>{monitor});
    EXPECT_TRUE(::IsWindowVisible(monitor));

    // Closed, it only hides; the next press replaces it with a new window.
    ::PostMessageW(monitor, WM_CLOSE, 0, 0);
    const DWORD end = ::GetTickCount() + 5000;
    while (::IsWindowVisible(monitor) && static_cast<LONG>(end - ::GetTickCount()) > 0) ::Sleep(50);
    ASSERT_FALSE(::IsWindowVisible(monitor));
    PressCpuUsage(cpu);
    HWND fresh = WaitForShownWindow(app, L"CPU Usage", monitor, 10000);
    ASSERT_NE(fresh, nullptr);
    EXPECT_FALSE(::IsWindow(monitor));
    EXPECT_EQ(WindowsTitled(app, L"CPU Usage").size(), 1u);
}

}  // namespace
