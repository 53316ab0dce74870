// Win32: Win32_VideoController and the "GPU Engine" counters.
#include "collectors/CHardwareGraphics.h"

#include <windows.h>

#include "collectors/CPdhСounter.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/CounterFigures.h"
#include "collectors/core/GraphicsText.h"

namespace {

const wchar_t kVideoController[] = L"SELECT * FROM Win32_VideoController";

// With several adapters every fact comes from the one WMI lists last.
std::wstring LastText(const wchar_t* property) { return WmiLastText(kVideoController, property); }

}  // namespace

CHardwareGraphics::CHardwareGraphics() {
    EngineInstances = EnumCounterInstances(L"GPU Engine");
    for (const std::wstring& name : EngineInstances) {
        auto counter = std::make_unique<CPdhСounter>();
        counter->Open(L"\\GPU Engine(" + name + L")\\Utilization Percentage");
        m_engines.push_back(std::move(counter));
    }
}

CHardwareGraphics::CHardwareGraphics(NoGathering) {}

CHardwareGraphics::~CHardwareGraphics() = default;

std::wstring CHardwareGraphics::GetAdapterName() { return LastText(L"Name"); }

std::wstring CHardwareGraphics::GetDriverVersion() { return LastText(L"DriverVersion"); }

std::wstring CHardwareGraphics::GetAdapterMemory() {
    return WmiLastRow(kVideoController,
                      [](const WmiRow& row) { return AdapterMemoryText(WmiNumber(row.Get(L"AdapterRAM"))); });
}

CHardwareGraphics::DisplayModeTexts CHardwareGraphics::GetDisplayMode() const {
    DisplayModeTexts texts;
    texts.resolution = ResolutionText(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    // One read of the mode serves both figures.
    DEVMODEW mode = {};
    mode.dmSize = sizeof(mode);
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        texts.frequency = FrequencyText(static_cast<int>(mode.dmDisplayFrequency));
        texts.bitsPerPixel = BitsPerPixelText(static_cast<int>(mode.dmBitsPerPel));
    }
    return texts;
}

int CHardwareGraphics::GetUsage() { return GpuUsageFromSamples(SampleAll(m_engines)); }
