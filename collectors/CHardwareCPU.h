#pragma once
// What the program shows about the processor: names, signature, features,
// caches and counts, maximum clock, current load. Nothing is cached; each
// call reads again. Each object keeps its own load baseline.
#include <string>

#include "collectors/core/CpuUsageMeter.h"
#include "common/CObject.h"

class CHardwareCPU : public CObject {
public:
    CHardwareCPU() = default;
    ~CHardwareCPU() override = default;

    std::wstring GetProcessorName() const;
    std::wstring GetBrandString() const;
    std::wstring GetFamily() const;
    std::wstring GetExtFamily() const;
    std::wstring GetModel() const;
    std::wstring GetExtModel() const;
    std::wstring GetStepping() const;
    std::wstring GetMaxClock() const;
    std::wstring GetFeatures() const;
    std::wstring GetCacheL1Data() const;
    std::wstring GetCacheL1Instruction() const;
    std::wstring GetCacheL2() const;
    std::wstring GetCacheL3() const;
    std::wstring GetCoreCount() const;
    std::wstring GetThreadCount() const;
    std::wstring GetSocketCount() const;
    // Busy percentage since this object's previous call; -1 on failure.
    int GetUsage();

private:
    CpuUsageMeter m_usage;
};
