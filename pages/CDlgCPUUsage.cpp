#include "pages/CDlgCPUUsage.h"

CDlgCPUUsage::CDlgCPUUsage() : CDlgUsageMonitor(62) {}  // "CPU Usage"

CDlgCPUUsage::~CDlgCPUUsage() = default;

int CDlgCPUUsage::ReadUsage() { return m_cpu.GetUsage(); }
