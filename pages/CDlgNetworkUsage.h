#pragma once
// The network monitor window: traffic over all adapters against the fastest link.
#include "pages/CDlgUsageMonitor.h"

class CDlgNetworkUsage : public CDlgUsageMonitor {
public:
    explicit CDlgNetworkUsage(const CWindowContext& ctx);
    ~CDlgNetworkUsage() override;

protected:
    int ReadUsage() override;
};
