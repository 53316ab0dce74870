#include "pages/CDlgNetworkUsage.h"

#include "app/COrvanelApp.h"

CDlgNetworkUsage::CDlgNetworkUsage() : CDlgUsageMonitor(103) {}  // "Network Usage"

CDlgNetworkUsage::~CDlgNetworkUsage() = default;

// The shared collectors exist once start-up has created them.
int CDlgNetworkUsage::ReadUsage() {
    COrvanelApp* app = GetApp();
    return app->m_network ? app->Network().GetUsage() : -1;
}
