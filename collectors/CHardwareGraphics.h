#pragma once
// Video adapter facts from WMI and the GPU load from one performance counter
// per GPU engine.
#include <memory>
#include <string>
#include <vector>

#include "framework/CObject.h"

class CPdhСounter;

class CHardwareGraphics : public CObject {
public:
    CHardwareGraphics();
    ~CHardwareGraphics() override;

    // Instance names of the "GPU Engine" counter object, in the system's order.
    std::vector<std::wstring> EngineInstances;

    // The adapter facts come from one "SELECT * FROM Win32_VideoController"
    // (its last row), run by the first of these calls and kept once it has
    // run: the query wakes the display driver stack and takes long, and the
    // facts do not change while the program runs.
    std::wstring GetAdapterName();
    std::wstring GetDriverVersion();
    // "%u MBytes".
    std::wstring GetAdapterMemory();
    // Load of the busiest engine in percent; 0 when no engine can be sampled.
    int GetUsage();

private:
    struct AdapterFacts {
        bool read = false;
        std::wstring name;
        std::wstring driverVersion;
        std::wstring memory;
    };
    const AdapterFacts& Adapter();

    AdapterFacts m_adapter;
    // One per entry of EngineInstances, same order; closed when it failed to open.
    std::vector<std::unique_ptr<CPdhСounter>> m_engines;
};
