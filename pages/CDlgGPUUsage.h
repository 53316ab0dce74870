#pragma once
// The GPU monitor window: the busiest GPU engine.
#include "pages/CDlgUsageMonitor.h"

class CDlgGPUUsage : public CDlgUsageMonitor {
public:
    explicit CDlgGPUUsage(const CWindowContext& ctx);
    ~CDlgGPUUsage() override;

protected:
    int ReadUsage() override;
};
