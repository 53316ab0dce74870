#include "pages/CDlgGPUUsage.h"

#include "collectors/CCollectors.h"

CDlgGPUUsage::CDlgGPUUsage(const CWindowContext& ctx) : CDlgUsageMonitor(ctx, 72) {}  // "GPU Usage"

CDlgGPUUsage::~CDlgGPUUsage() = default;

int CDlgGPUUsage::ReadUsage() {
    CCollectors* c = SharedCollectors();
    return c ? c->Graphics().GetUsage() : -1;
}
