#include "pages/core/DiskActivity.h"

int DiskActivityFromIdle(int idlePercent) {
    if (idlePercent < 0) return -1;
    if (idlePercent > 100) return 0;
    return 100 - idlePercent;
}
