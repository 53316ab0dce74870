#pragma once
// What every drive fuzz target does with a decoded drive: rate it and build
// every text the window shows, trapping on a rating outside 0..100.
#include "smart/core/DriveDisplay.h"
#include "smart/core/HealthStatus.h"

inline void ExerciseDriveDisplay(const DriveInfo& info) {
    HealthStatus health = EvaluateHealth(info);
    if (health.Percent < 0 || health.Percent > 100) __builtin_trap();
    MakeDriveFields(info);
    FormatDriveItemText(info);
    for (const SmartAttribute& a : info.Attributes) {
        FormatAttributeRow(a, info.AccessKind);
        GetRowSeverity(a, info.AccessKind);
    }
}
