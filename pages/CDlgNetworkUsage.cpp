#include "pages/CDlgNetworkUsage.h"

#include "collectors/CCollectors.h"

CDlgNetworkUsage::CDlgNetworkUsage(const CWindowContext& ctx) : CDlgUsageMonitor(ctx, 103) {}  // "Network Usage"

CDlgNetworkUsage::~CDlgNetworkUsage() = default;

int CDlgNetworkUsage::ReadUsage() {
    CCollectors* c = SharedCollectors();
    return c ? c->Network().GetUsage() : -1;
}
