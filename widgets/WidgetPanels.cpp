// The facts each text panel shows, read anew for every frame.
#include <windows.h>
#include <psapi.h>

#include "common/Format.h"
#include "collectors/CCollectors.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetRenderer.h"
#include "widgets/core/PanelText.h"

namespace {

class CPanelReader {
public:
    CPanelReader(CDlgWidget& w, PanelCache& cache)
        : m_widget(w), m_ctx(w.Context()), m_cache(cache) {
        // The user-interface thread does not wait for the collectors: a
        // panel shows what it can without them until they are built.
        CCollectors* c = m_ctx.collectors;
        m_sources = c && !c->Pending() ? c : nullptr;
    }

    const std::wstring& T(size_t index) const { return m_ctx.Text(index); }
    std::wstring Labelled(size_t label, const std::wstring& value) const { return T(label) + L": " + value; }

    PanelContent DateTime() {
        PanelContent p;
        p.HasTitle = false;
        if (!m_sources) return p;
        CDateTime& dt = m_sources->DateTime();
        p.Lines = {Labelled(104, dt.GetTimeText()),  Labelled(77, dt.GetDateText()),
                   Labelled(106, dt.GetWeekday()),   Labelled(105, dt.GetTimeZone()),
                   Labelled(107, dt.GetDayOfYear()), Labelled(108, dt.GetWeekNumber()),
                   Labelled(109, dt.GetUnixTime())};
        return p;
    }

    PanelContent Drives() {
        PanelContent p;
        p.Title = T(110);
        for (const std::wstring& root : LogicalDriveRoots()) {
            ULARGE_INTEGER total{}, free{};
            // No "insert a disk" box for an empty drive: it just has no size.
            DWORD oldMode = 0;
            ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
            if (!::GetDiskFreeSpaceExW(root.c_str(), nullptr, &total, &free)) total.QuadPart = 0;
            ::SetThreadErrorMode(oldMode, nullptr);
            p.Lines.push_back(DriveLine(root, total.QuadPart, free.QuadPart));
        }
        return p;
    }

    PanelContent EventLog(size_t title, const wchar_t* log) {
        PanelContent p;
        p.Title = T(title);
        if (!m_sources) return p;
        std::vector<std::wstring> times, sources, ids, types;
        m_sources->Software().ReadEventLog(log, times, sources, ids, types);
        for (size_t i = 0; i < times.size() && i < sources.size() && i < ids.size() && i < types.size(); ++i)
            p.Lines.push_back(times[i] + L" " + sources[i] + L" " + ids[i] + L" " + types[i]);
        return p;
    }

    PanelContent Keyboard() {
        PanelContent p;
        p.Title = T(114);
        const KeyStateSource& keys = m_widget.Keys();
        auto onOff = [&](int vk) { return keys.IsToggled(vk) ? T(115) : T(116); };
        p.Lines.push_back(L"Caps Lock: " + onOff(VK_CAPITAL));
        p.Lines.push_back(L"Num Lock: " + onOff(VK_NUMLOCK));
        p.Lines.push_back(L"Scroll Lock: " + onOff(VK_SCROLL));
        KeyboardActivity& kb = m_widget.State().Keyboard;
        kb.Poll(keys);
        p.Lines.push_back(Labelled(117, Format(L"%u", kb.Keystrokes())));
        p.Lines.push_back(T(113) + L":");
        for (std::wstring& line : kb.LogLines()) p.Lines.push_back(std::move(line));
        return p;
    }

    PanelContent Mouse() {
        PanelContent p;
        p.Title = T(111);
        POINT cursor{};
        ::GetCursorPos(&cursor);
        p.Lines.push_back(L"X, Y: " + Format(L"%d, %d", static_cast<int>(cursor.x), static_cast<int>(cursor.y)));
        MouseActivity& mouse = m_widget.State().Mouse;
        mouse.Poll(m_widget.Keys(), MouseButton::Left);
        p.Lines.push_back(L"LB " + Labelled(112, Format(L"%u", mouse.Clicks(MouseButton::Left))));
        mouse.Poll(m_widget.Keys(), MouseButton::Right);
        p.Lines.push_back(L"RB " + Labelled(112, Format(L"%u", mouse.Clicks(MouseButton::Right))));
        p.Lines.push_back(Labelled(113, mouse.Log()));
        return p;
    }

    PanelContent OperatingSystem() {
        PanelContent p;
        p.Title = T(118);
        p.Lines.push_back(Labelled(119, UpTimeText(::GetTickCount64())));
        // The boot time does not change while the system runs; asking WMI
        // for it every second would cost more than the whole widget.
        if (!m_cache.HaveBootTime && m_sources) {
            m_cache.BootTime = m_sources->Software().GetLastBootTime();
            m_cache.HaveBootTime = true;
        }
        p.Lines.push_back(Labelled(120, m_cache.BootTime));
        // One question gives both counts; listing every process and taking
        // a snapshot of every thread each second cost more than the rest of
        // the widgets together.
        PERFORMANCE_INFORMATION perf{};
        perf.cb = sizeof(perf);
        const bool counted = ::GetPerformanceInfo(&perf, sizeof(perf)) != FALSE;
        p.Lines.push_back(Labelled(42, Format(L"%d", counted ? static_cast<int>(perf.ProcessCount) : 0)));
        p.Lines.push_back(Labelled(59, counted ? Format(L"%d", static_cast<int>(perf.ThreadCount)) : std::wstring()));
        DWORD allowed = 0xFFFFFFFF, used = 0xFFFFFFFF;
        ::GetSystemRegistryQuota(&allowed, &used);
        p.Lines.push_back(Format(L"%ls: %ls / %ls", T(121).c_str(), Format(L"%d", static_cast<int>(used >> 20)).c_str(),
                                 Format(L"%d", static_cast<int>(allowed >> 20)).c_str()));
        return p;
    }

    PanelContent Specs() {
        PanelContent p;
        p.HasTitle = false;
        if (!m_sources) return p;
        CSoftware& sw = m_sources->Software();
        p.Lines.push_back(
            SystemLine(sw.GetWindowsName(), sw.GetEdition(), sw.GetServicePack(), sw.GetBitness(), T(38)));
        p.Lines.push_back(m_sources->Cpu().GetProcessorName());
        p.Lines.push_back(m_sources->Memory().GetInstalledMemory() + L" " + m_sources->Memory().GetMemoryType());
        p.Lines.push_back(m_sources->Graphics().GetAdapterName());
        return p;
    }

    PanelContent Wireless() {
        PanelContent p;
        p.Title = T(122);
        if (!m_sources) return p;
        std::vector<std::wstring> names, signals;
        std::vector<bool> connected, secured;
        m_sources->Network().GetWirelessNetworks(names, connected, signals, secured);
        for (size_t i = 0; i < names.size() && i < signals.size() && i < connected.size() && i < secured.size(); ++i)
            p.Lines.push_back(WirelessLine(names[i], signals[i], secured[i], connected[i], T(124), T(123)));
        return p;
    }

private:
    CDlgWidget& m_widget;
    const CWindowContext& m_ctx;
    CCollectors* m_sources;
    PanelCache& m_cache;
};

}  // namespace

PanelContent ReadPanel(const std::wstring& kind, CDlgWidget& widget, PanelCache& cache) {
    CPanelReader r(widget, cache);
    if (kind == L"DateTime") return r.DateTime();
    if (kind == L"Drives") return r.Drives();
    if (kind == L"EventsLogApps") return r.EventLog(125, L"Application");
    if (kind == L"EventsLogSystem") return r.EventLog(126, L"System");
    if (kind == L"Keyboard") return r.Keyboard();
    if (kind == L"Mouse") return r.Mouse();
    if (kind == L"OperatingSystem") return r.OperatingSystem();
    if (kind == L"Specs") return r.Specs();
    if (kind == L"WirelessAvailableNetworks") return r.Wireless();
    return {};
}

std::vector<std::wstring> LogicalDriveRoots() {
    std::vector<std::wstring> roots;
    wchar_t buf[1024] = {};
    const DWORD n = ::GetLogicalDriveStringsW(1023, buf);
    if (n == 0 || n > 1023) return roots;  // failed, or the list did not fit
    for (const wchar_t* p = buf; *p; p += wcslen(p) + 1) roots.emplace_back(p);
    return roots;
}
