#include "pages/CDlgUsageStorage.h"

#include "app/COrvanelApp.h"
#include "pages/core/DiskActivity.h"

CDlgUsageStorage::CDlgUsageStorage() : CDlgUsageMonitor(102) {}  // "Storage Usage"

CDlgUsageStorage::~CDlgUsageStorage() = default;

// The graph then gets the idle time itself (100 minus activity), and a
// failed read stays a failure rather than a fully busy disk. The shared
// collectors exist once start-up has created them.
int CDlgUsageStorage::ReadUsage() {
    COrvanelApp* app = GetApp();
    return app->m_storage ? DiskActivityFromIdle(app->Storage().GetIdleTime()) : -1;
}
