// Every widget kind drawn the way its window draws it, laid onto a dark or
// light backdrop (by the appearance chosen) in one picture. The picture is
// composed in-process: Wine's screen does not blend partial alpha, so a
// screenshot of the real layered windows would not show what a user sees.
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "app/COrvanelApp.h"
#include "framework/GdiPlus.h"
#include "tools/showcase/ShowcaseRegistry.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"

namespace {

// Gauges show a different level each; graphs a wave.
class ShowSources {
public:
    int Sample(WidgetMetric metric) {
        static const std::map<WidgetMetric, int> levels = {{WidgetMetric::Audio, 64}, {WidgetMetric::Cpu, 37},
                                                           {WidgetMetric::Gpu, 12},   {WidgetMetric::Memory, 58},
                                                           {WidgetMetric::Network, 85}, {WidgetMetric::Storage, 100}};
        if (wave) {
            ++tick;
            const double t = tick * 0.07 + static_cast<int>(metric);
            return static_cast<int>(50 + 30 * std::sin(t) + 15 * std::sin(t * 3.7));
        }
        auto it = levels.find(metric);
        return it == levels.end() ? 0 : it->second;
    }
    bool wave = false;
    int tick = 0;
};

// A few keys and clicks for the keyboard and mouse panels.
class ScriptedKeys : public KeyStateSource {
public:
    short AsyncKeyState(int vk) const override { return down.count(vk) ? static_cast<short>(0x8000) : 0; }
    unsigned ScanCode(int vk) const override { return ::MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC); }
    bool IsToggled(int vk) const override { return vk == VK_NUMLOCK; }
    std::set<int> down;
};

struct Slot {
    const wchar_t* kind;
    int x, y;
};

// Three sheets of at most 1260 x 760 pixels.
const std::map<std::wstring, std::vector<Slot>> kSheets = {
    {L"widgets-gauges",
     {{L"AudioPeakMeter", 0, 0},           {L"CPUUsage", 110, 0},
      {L"GPUUsage", 220, 0},               {L"MemoryUsage", 330, 0},
      {L"NetworkUsage", 440, 0},           {L"StorageUsage", 550, 0},
      {L"AudioPeakMeterWithArrow", 0, 270}, {L"CPUUsageWithArrow", 210, 270},
      {L"GPUUsageWithArrow", 420, 270},    {L"MemoryUsageWithArrow", 630, 270},
      {L"NetworkUsageWithArrow", 840, 270}, {L"StorageUsageWithArrow", 1050, 270}}},
    {L"widgets-graphs",
     {{L"AudioPeakMeterHistory", 0, 0},
      {L"CPUUsageHistory", 310, 0},
      {L"GPUUsageHistory", 620, 0},
      {L"MemoryUsageHistory", 0, 210},
      {L"NetworkUsageHistory", 310, 210},
      {L"StorageUsageHistory", 620, 210}}},
    {L"widgets-panels",
     {{L"EventsLogApps", 0, 0},
      {L"EventsLogSystem", 510, 0},
      {L"Keyboard", 0, 295},
      {L"DateTime", 310, 295},
      {L"OperatingSystem", 620, 295},
      {L"Mouse", 930, 295},
      {L"Specs", 620, 475},
      {L"Drives", 930, 445},
      {L"WirelessAvailableNetworks", 310, 505}}},
};

std::unique_ptr<Gdiplus::Bitmap> RenderSheet(const std::vector<Slot>& slots, bool dark) {
    GetApp()->m_collectors.Build();
    ShowSources sources;
    ScriptedKeys keys;
    CWidgetManager manager(GetApp()->Context());
    manager.SetSampler([&](WidgetMetric metric) { return sources.Sample(metric); });
    manager.Load();

    int width = 0, height = 0;
    std::vector<std::unique_ptr<Gdiplus::Bitmap>> frames;
    for (const Slot& slot : slots) {
        const int index = manager.IndexOf(slot.kind);
        if (index < 0) continue;
        CDlgWidget* w = manager.Window(static_cast<size_t>(index));
        if (!w->CreateWidget(static_cast<size_t>(index), slot.kind)) continue;
        w->SetKeyState(&keys);
        const WidgetKind* kind = FindWidgetKind(slot.kind);
        sources.wave = kind && kind->Family == WidgetFamily::History;
        const int frameCount = sources.wave ? 300 : 1;
        for (int i = 0; i < frameCount; ++i) w->AdvanceFrame();
        if (std::wstring(slot.kind) == L"Keyboard") {
            for (int vk : {0x48, 0x45, 0x4C, 0x4C, 0x4F, VK_SPACE, VK_LSHIFT, 0x57}) {
                keys.down = {vk};
                w->AdvanceFrame();
                keys.down.clear();
                w->AdvanceFrame();
            }
        } else if (std::wstring(slot.kind) == L"Mouse") {
            for (int button : {1, 1, 2, 1}) {
                keys.down = {button};
                w->AdvanceFrame();
                keys.down.clear();
                w->AdvanceFrame();
            }
        }
        auto frame = std::make_unique<Gdiplus::Bitmap>(w->Width(), w->Height(), PixelFormat32bppPARGB);
        {
            Gdiplus::Graphics g(frame.get());
            w->DrawFrame(g);
        }
        width = std::max(width, slot.x + w->Width());
        height = std::max(height, slot.y + w->Height());
        frames.push_back(std::move(frame));
        w->SetKeyState(nullptr);
        w->DestroyWindow();
    }

    auto sheet = std::make_unique<Gdiplus::Bitmap>(width + 20, height + 20, PixelFormat32bppARGB);
    Gdiplus::Graphics g(sheet.get());
    g.Clear(dark ? Gdiplus::Color(255, 24, 28, 36) : Gdiplus::Color(255, 236, 236, 232));
    size_t n = 0;
    for (const Slot& slot : slots) {
        if (manager.IndexOf(slot.kind) < 0 || n >= frames.size()) continue;
        g.DrawImage(frames[n].get(), slot.x + 10, slot.y + 10);
        ++n;
    }
    return sheet;
}

LRESULT CALLBACK SheetProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd, &ps);
        auto* sheet = reinterpret_cast<Gdiplus::Bitmap*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (sheet) {
            Gdiplus::Graphics g(dc);
            g.DrawImage(sheet, 0, 0);
        }
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    if (msg == WM_CLOSE) {
        ::DestroyWindow(hwnd);
        return 0;
    }
    return ::DefWindowProcW(hwnd, msg, wp, lp);
}

void ShowSheet(const std::wstring& name) {
    auto sheet = RenderSheet(kSheets.at(name), Options().GetBool(L"fDarkMode"));
    WNDCLASSW wc{};
    wc.lpfnWndProc = SheetProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvanelWidgetSheet";
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&wc);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, name.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                                  static_cast<int>(sheet->GetWidth()), static_cast<int>(sheet->GetHeight()), nullptr,
                                  nullptr, wc.hInstance, nullptr);
    if (!hwnd) return;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(sheet.get()));
    ::InvalidateRect(hwnd, nullptr, FALSE);
    MSG msg;
    while (::IsWindow(hwnd) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

ShowcaseEntry gauges(L"widgets-gauges", [] { ShowSheet(L"widgets-gauges"); });
ShowcaseEntry graphs(L"widgets-graphs", [] { ShowSheet(L"widgets-graphs"); });
ShowcaseEntry panels(L"widgets-panels", [] { ShowSheet(L"widgets-panels"); });

}  // namespace
