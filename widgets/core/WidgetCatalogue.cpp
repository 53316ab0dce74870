#include "widgets/core/WidgetCatalogue.h"

#include "widgets/core/WidgetGeometry.h"

namespace {

using F = WidgetFamily;
using M = WidgetMetric;

const WidgetKind kKinds[] = {
    {L"AudioPeakMeter", 100, 260, 1000, F::LevelBar, M::Audio, false},
    {L"AudioPeakMeterWithArrow", 200, 200, 42, F::Arrow, M::Audio, false},
    {L"AudioPeakMeterHistory", 300, 200, 1000, F::History, M::Audio, false},
    {L"CPUUsage", 100, 260, 1000, F::LevelBar, M::Cpu, false},
    {L"CPUUsageWithArrow", 200, 200, 42, F::Arrow, M::Cpu, false},
    {L"CPUUsageHistory", 300, 200, 1000, F::History, M::Cpu, false},
    {L"DateTime", 300, 200, 1000, F::TextPanel, M::None, false},
    {L"Drives", 300, 48, 1000, F::TextPanel, M::None, false},
    {L"EventsLogApps", 500, 285, 1000, F::TextPanel, M::None, false},
    {L"EventsLogSystem", 500, 285, 1000, F::TextPanel, M::None, false},
    {L"GPUUsage", 100, 260, 1000, F::LevelBar, M::Gpu, true},
    {L"GPUUsageWithArrow", 200, 200, 42, F::Arrow, M::Gpu, true},
    {L"GPUUsageHistory", 300, 200, 1000, F::History, M::Gpu, true},
    {L"Keyboard", 300, 310, 50, F::TextPanel, M::None, false},
    {L"MemoryUsage", 100, 260, 1000, F::LevelBar, M::Memory, false},
    {L"MemoryUsageWithArrow", 200, 200, 42, F::Arrow, M::Memory, false},
    {L"MemoryUsageHistory", 300, 200, 1000, F::History, M::Memory, false},
    {L"Mouse", 300, 140, 50, F::TextPanel, M::None, false},
    {L"NetworkUsage", 100, 260, 1000, F::LevelBar, M::Network, false},
    {L"NetworkUsageWithArrow", 200, 200, 42, F::Arrow, M::Network, false},
    {L"NetworkUsageHistory", 300, 200, 1000, F::History, M::Network, false},
    {L"OperatingSystem", 300, 170, 1000, F::TextPanel, M::None, false},
    {L"Specs", 300, 120, 1000, F::TextPanel, M::None, false},
    {L"StorageUsage", 100, 260, 1000, F::LevelBar, M::Storage, false},
    {L"StorageUsageWithArrow", 200, 200, 42, F::Arrow, M::Storage, false},
    {L"StorageUsageHistory", 300, 200, 1000, F::History, M::Storage, false},
    {L"WirelessAvailableNetworks", 300, 200, 1000, F::TextPanel, M::None, false},
};

}  // namespace

std::vector<WidgetKind> BuildWidgetCatalogue(bool windows10OrLater) {
    std::vector<WidgetKind> kinds;
    for (const WidgetKind& k : kKinds)
        if (windows10OrLater || !k.NeedsWindows10) kinds.push_back(k);
    return kinds;
}

const WidgetKind* FindWidgetKind(const std::wstring& name) {
    for (const WidgetKind& k : kKinds)
        if (name == k.Name) return &k;
    return nullptr;
}

int WidgetIndexOf(const std::vector<WidgetKind>& catalogue, const std::wstring& name) {
    for (size_t i = 0; i < catalogue.size(); ++i)
        if (name == catalogue[i].Name) return static_cast<int>(i);
    return -1;
}

int WidgetTitleText(WidgetFamily family, WidgetMetric metric) {
    switch (metric) {
        case M::Audio: return 20;
        case M::Cpu: return 14;
        case M::Gpu: return family == F::History ? 66 : -1;
        case M::Memory: return 15;
        case M::Network: return 19;
        case M::Storage: return 18;
        case M::None: break;
    }
    return -1;
}

int PanelHeightForLines(size_t lines) {
    // The last line (or the title when there are none), its cell, the line
    // gap, the frame's inset and its own pixel.
    const int last = lines == 0 ? kPanelTitleY : PanelLineY(lines - 1, true);
    return last + kTextCellHeight + 10 + 8 + 1;
}
