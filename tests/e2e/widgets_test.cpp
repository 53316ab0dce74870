// The desktop widgets of the running program: the first start's layout in
// settings.ini and the windows that open when widgets are on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/e2e/support/Process.h"

namespace {

HWND MainWindow(const OrvanelProcess& p) { return p.WaitForWindow(L"#32770", L"Orvanel", 15000); }

std::wstring SettingsFile(const std::wstring& appData) { return appData + L"\\Velmora\\Orvanel\\settings.ini"; }

struct Placed {
    int x, y, w, h;
    bool operator<(const Placed& o) const { return std::tie(x, y, w, h) < std::tie(o.x, o.y, o.w, o.h); }
    bool operator==(const Placed& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// The five widgets of a first run, placed on this desktop's work area.
std::vector<Placed> FirstRunWidgets() {
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int w = work.right - work.left, h = work.bottom - work.top;
    std::vector<Placed> v = {{10, h - 210, 200, 200},
                             {220, h - 210, 200, 200},
                             {w - 310, h - 210, 300, 200},
                             {w - 310, 10, 300, 200},
                             {w - 310, 220, 300, 170}};
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<Placed> LayeredWindows(const OrvanelProcess& p) {
    std::vector<Placed> v;
    for (HWND h : p.Windows()) {
        if (!(::GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED)) continue;
        RECT r{};
        ::GetWindowRect(h, &r);
        v.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    std::sort(v.begin(), v.end());
    return v;
}

TEST(Widgets, FirstStartWritesTheLayoutButOpensNothing) {
    OrvanelProcess app(L"");
    HWND main = MainWindow(app);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(LayeredWindows(app).empty());
    ::PostMessageW(main, WM_CLOSE, 0, 0);  // widgets are off: closing ends the program
    ASSERT_TRUE(app.WaitForExit(10000));

    const std::string ini = ReadFileBytes(SettingsFile(app.AppData()));
    EXPECT_NE(ini.find("fFirstRun=0"), std::string::npos);
    for (const char* kind :
         {"CPUUsageWithArrow", "MemoryUsageWithArrow", "StorageUsageHistory", "DateTime", "OperatingSystem"}) {
        const std::string k = kind;
        for (const char* key : {"Enable=1", "Moveable=0", "Top=0", "X=", "Y=", "Color=#11F1E2", "BG=1", "Opacity=100"})
            EXPECT_NE(ini.find("\n" + k + key), std::string::npos) << k << key;
    }
    EXPECT_EQ(ini.find("KeyboardEnable"), std::string::npos);
}

TEST(Widgets, SwitchedOnTheFiveOpenWhereTheLayoutPutThem) {
    const std::wstring appData = MakeTempFolder(L"orvanel-e2e");
    ::CreateDirectoryW((appData + L"\\Velmora").c_str(), nullptr);
    ::CreateDirectoryW((appData + L"\\Velmora\\Orvanel").c_str(), nullptr);
    WriteFileBytes(SettingsFile(appData), "[Settings]\r\nfWidgetsEnable=1\r\n");
    {
        OrvanelProcess app(L"", appData);
        ASSERT_NE(MainWindow(app), nullptr);
        std::vector<Placed> windows;
        const DWORD end = ::GetTickCount() + 10000;
        do {
            windows = LayeredWindows(app);
            if (windows.size() >= 5) break;
            ::Sleep(100);
        } while (static_cast<LONG>(end - ::GetTickCount()) > 0);
        EXPECT_EQ(windows, FirstRunWidgets());
    }
    RemoveFolder(appData);
}

}  // namespace
