// Win32: Win32_VideoController and the "GPU Engine" counters.
#include "collectors/CHardwareGraphics.h"

#include "collectors/CPdhСounter.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/CounterFigures.h"
#include "collectors/core/GraphicsText.h"

CHardwareGraphics::CHardwareGraphics() {
    EngineInstances = EnumCounterInstances(L"GPU Engine");
    for (const std::wstring& name : EngineInstances) {
        auto counter = std::make_unique<CPdhСounter>();
        counter->Open(L"\\GPU Engine(" + name + L")\\Utilization Percentage");
        m_engines.push_back(std::move(counter));
    }
}

CHardwareGraphics::~CHardwareGraphics() = default;

const CHardwareGraphics::AdapterFacts& CHardwareGraphics::Adapter() {
    if (m_adapter.read) return m_adapter;
    AdapterFacts facts;
    // With several adapters every fact comes from the one WMI lists last.
    // A query that did not run (no WMI on this thread) is tried again next time.
    facts.read = WmiQuery(L"SELECT * FROM Win32_VideoController", [&facts](const WmiRow& row) {
        facts.name = WmiText(row.Get(L"Name"));
        facts.driverVersion = WmiText(row.Get(L"DriverVersion"));
        facts.memory = AdapterMemoryText(WmiNumber(row.Get(L"AdapterRAM")));
    });
    m_adapter = std::move(facts);
    return m_adapter;
}

std::wstring CHardwareGraphics::GetAdapterName() { return Adapter().name; }

std::wstring CHardwareGraphics::GetDriverVersion() { return Adapter().driverVersion; }

std::wstring CHardwareGraphics::GetAdapterMemory() { return Adapter().memory; }

int CHardwareGraphics::GetUsage() {
    std::vector<int> samples;
    samples.reserve(m_engines.size());
    for (auto& engine : m_engines) samples.push_back(engine->Sample());
    return GpuUsageFromSamples(samples);
}
