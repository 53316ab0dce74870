#pragma once
// The GPU monitor window: the busiest GPU engine.
#include "pages/CDlgUsageMonitor.h"

class CDlgGPUUsage : public CDlgUsageMonitor {
public:
    CDlgGPUUsage();
    ~CDlgGPUUsage() override;

protected:
    int ReadUsage() override;
};
