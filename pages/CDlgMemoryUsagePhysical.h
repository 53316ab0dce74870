#pragma once
// The memory monitor window: how much of the physical memory is in use.
#include "collectors/CHardwareMemory.h"
#include "pages/CDlgUsageMonitor.h"

class CDlgMemoryUsagePhysical : public CDlgUsageMonitor {
public:
    explicit CDlgMemoryUsagePhysical(const CWindowContext& ctx);
    ~CDlgMemoryUsagePhysical() override;

protected:
    int ReadUsage() override;

private:
    CHardwareMemory m_memory;
};
