#include "pages/CDlgMemoryUsagePhysical.h"

#include "collectors/CCollectors.h"

CDlgMemoryUsagePhysical::CDlgMemoryUsagePhysical(const CWindowContext& ctx)
    : CDlgUsageMonitor(ctx, 65),  // "Memory Usage"
      m_memory(ctx.collectors ? &ctx.collectors->Smbios() : nullptr) {}

CDlgMemoryUsagePhysical::~CDlgMemoryUsagePhysical() = default;

int CDlgMemoryUsagePhysical::ReadUsage() { return m_memory.GetMemoryLoad(); }
