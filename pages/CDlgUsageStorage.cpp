#include "pages/CDlgUsageStorage.h"

#include "collectors/CCollectors.h"
#include "pages/core/DiskActivity.h"

CDlgUsageStorage::CDlgUsageStorage(const CWindowContext& ctx) : CDlgUsageMonitor(ctx, 102) {}  // "Storage Usage"

CDlgUsageStorage::~CDlgUsageStorage() = default;

// The graph then gets the idle time itself (100 minus activity), and a
// failed read stays a failure rather than a fully busy disk.
int CDlgUsageStorage::ReadUsage() {
    CCollectors* c = SharedCollectors();
    return c ? DiskActivityFromIdle(c->Storage().GetIdleTime()) : -1;
}
