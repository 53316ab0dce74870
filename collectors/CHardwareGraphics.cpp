// Win32: Win32_VideoController and the "GPU Engine" counters.
#include "collectors/CHardwareGraphics.h"

#include "collectors/CPdhСounter.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/CounterFigures.h"
#include "collectors/core/GraphicsText.h"

namespace {

const wchar_t kVideoController[] = L"SELECT * FROM Win32_VideoController";

// With several adapters every fact comes from the one WMI lists last.
std::wstring LastText(const wchar_t* property) {
    std::wstring result;
    WmiQuery(kVideoController, [&](const WmiRow& row) { result = WmiText(row.Get(property)); });
    return result;
}

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
    std::wstring result;
    WmiQuery(kVideoController,
             [&](const WmiRow& row) { result = AdapterMemoryText(WmiNumber(row.Get(L"AdapterRAM"))); });
    return result;
}

int CHardwareGraphics::GetUsage() { return GpuUsageFromSamples(SampleAll(m_engines)); }
