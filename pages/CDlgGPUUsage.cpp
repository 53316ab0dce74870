#include "pages/CDlgGPUUsage.h"

#include "app/COrvanelApp.h"

CDlgGPUUsage::CDlgGPUUsage() : CDlgUsageMonitor(72) {}  // "GPU Usage"

CDlgGPUUsage::~CDlgGPUUsage() = default;

// The shared collectors exist once start-up has created them.
int CDlgGPUUsage::ReadUsage() {
    COrvanelApp* app = GetApp();
    return app->m_graphics ? app->Graphics().GetUsage() : -1;
}
