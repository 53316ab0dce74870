#pragma once
// The CPU monitor window. It keeps its own processor collector, so its load
// readings are intervals between its own samples.
#include "collectors/CHardwareCPU.h"
#include "pages/CDlgUsageMonitor.h"

class CDlgCPUUsage : public CDlgUsageMonitor {
public:
    explicit CDlgCPUUsage(const CWindowContext& ctx);
    ~CDlgCPUUsage() override;

protected:
    int ReadUsage() override;

private:
    CHardwareCPU m_cpu;
};
