#include "pages/CDlgMemoryUsagePhysical.h"

#include "app/COrvanelApp.h"

CDlgMemoryUsagePhysical::CDlgMemoryUsagePhysical()
    : CDlgUsageMonitor(65),  // "Memory Usage"
      m_memory(&GetApp()->m_smbios) {}

CDlgMemoryUsagePhysical::~CDlgMemoryUsagePhysical() = default;

int CDlgMemoryUsagePhysical::ReadUsage() { return m_memory.GetMemoryLoad(); }
