#pragma once
// Video adapter facts from WMI (queried afresh on every call) and the GPU
// load from one performance counter per GPU engine.
#include <memory>
#include <string>
#include <vector>

#include "collectors/NoGathering.h"
#include "common/CObject.h"

class CPdhСounter;

class CHardwareGraphics : public CObject {
public:
    CHardwareGraphics();
    explicit CHardwareGraphics(NoGathering);
    ~CHardwareGraphics() override;

    // Instance names of the "GPU Engine" counter object, in the system's order.
    std::vector<std::wstring> EngineInstances;

    std::wstring GetAdapterName();
    std::wstring GetDriverVersion();
    // "%u MBytes".
    std::wstring GetAdapterMemory();
    // The primary display: "1920x1080" from the screen metrics, and the
    // refresh rate ("60 Hz") and colour depth ("32") of its current mode,
    // both empty when the mode cannot be read.
    struct DisplayModeTexts {
        std::wstring resolution;
        std::wstring frequency;
        std::wstring bitsPerPixel;
    };
    DisplayModeTexts GetDisplayMode() const;
    // Load of the busiest engine in percent; 0 when no engine can be sampled.
    int GetUsage();

private:
    // One per entry of EngineInstances, same order; closed when it failed to open.
    std::vector<std::unique_ptr<CPdhСounter>> m_engines;
};
