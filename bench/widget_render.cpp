// Renders an arrow gauge, a history graph and a text panel many times each
// through the widget window's whole frame path (bitmap, GDI+ drawing,
// layered-window update) and prints the GDI and USER object counts, the
// working set, the time per frame and the processor time per frame since
// the report before after frames 10 and 300 and after the last.
//   widget_render.exe [FRAMES]   (default 10000)
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>

#include "app/COrvanelApp.h"
#include "tests/common/WinFiles.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"

COrvanelApp theApp;

namespace {

// Processor time of this process in milliseconds (user and kernel).
double CpuMs() {
    FILETIME created, exited, kernel, user;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto ms = [](const FILETIME& t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void Report(const wchar_t* kind, int frame, double msPerFrame, double cpuMsPerFrame) {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof(pmc);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &pmc, sizeof(pmc));
    std::printf("%-22ls frame %6d  GDI %4lu  USER %4lu  working set %7.1f MB  %.3f ms/frame  %.3f cpu ms/frame\n",
                kind, frame, ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
                ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), pmc.WorkingSetSize / 1048576.0,
                msPerFrame, cpuMsPerFrame);
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int frames = argc > 1 ? _wtoi(argv[1]) : 10000;
    const std::wstring folder = MakeTempFolder(L"orvanel-widget-bench");
    theApp.m_options.SetFile(folder + L"\\settings.ini");
    theApp.m_translate.Load(L"English");
    theApp.m_gdiplus.Startup();
    theApp.m_collectors.Build();

    // Gauges and graphs get a new value every frame.
    unsigned n = 0;
    CWidgetManager manager(theApp.Context());
    manager.SetSampler([&](WidgetMetric) { return static_cast<int>(++n % 101); });
    manager.Load();
    LARGE_INTEGER freq, t0, t1;
    ::QueryPerformanceFrequency(&freq);
    for (const wchar_t* kind : {L"CPUUsageWithArrow", L"CPUUsageHistory", L"OperatingSystem"}) {
        const int index = manager.IndexOf(kind);
        CDlgWidget* w = manager.Window(static_cast<size_t>(index));
        manager.Settings(static_cast<size_t>(index)).X = 100;
        manager.Settings(static_cast<size_t>(index)).Y = 100;
        if (!w->CreateWidget(static_cast<size_t>(index), kind)) return 1;
        w->ShowWindow(SW_SHOWNOACTIVATE);
        HDC screen = ::GetDC(nullptr);
        ::QueryPerformanceCounter(&t0);
        double cpu0 = CpuMs();
        int lastReport = 0;
        for (int f = 1; f <= frames; ++f) {
            w->ForceNextFrame();
            w->RenderFrame(screen);
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
            // Frame 300: a history graph has its full width of samples.
            if (f == 10 || f == 300 || f == frames) {
                ::QueryPerformanceCounter(&t1);
                const double cpu = CpuMs();
                Report(kind, f, (t1.QuadPart - t0.QuadPart) * 1000.0 / freq.QuadPart / f,
                       (cpu - cpu0) / (f - lastReport));
                cpu0 = cpu;
                lastReport = f;
            }
        }
        ::ReleaseDC(nullptr, screen);
        w->DestroyWindow();
    }
    manager.CloseAll();
    RemoveFolder(folder);
    theApp.m_gdiplus.Shutdown();
    return 0;
}
