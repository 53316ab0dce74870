#include "pages/CDlgCPUUsage.h"

CDlgCPUUsage::CDlgCPUUsage(const CWindowContext& ctx) : CDlgUsageMonitor(ctx, 62) {}  // "CPU Usage"

CDlgCPUUsage::~CDlgCPUUsage() = default;

int CDlgCPUUsage::ReadUsage() { return m_cpu.GetUsage(); }
