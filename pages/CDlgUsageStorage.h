#pragma once
// The storage monitor window: disk activity, that is 100 minus the idle time.
#include "pages/CDlgUsageMonitor.h"

class CDlgUsageStorage : public CDlgUsageMonitor {
public:
    explicit CDlgUsageStorage(const CWindowContext& ctx);
    ~CDlgUsageStorage() override;

protected:
    int ReadUsage() override;
};
