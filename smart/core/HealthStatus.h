#pragma once
// A drive's health rating, made from its attribute table.
#include <string>

#include "smart/core/DriveInfo.h"

enum HealthLevel : int {
    kHealthGood = 0,
    kHealthWarning = 1,
    kHealthBad = 2,
    kHealthUnknown = 3,  // no attribute data
};

struct HealthStatus {
    int Percent = 100;  // 0..100
    int Level = kHealthGood;
    std::wstring Text = L"Good";
};

// NVMe drives are rated by percentage used and the critical-warning byte;
// ATA and bridged drives by a life-left attribute if they have one, else by
// the count of reallocated, pending and uncorrectable sectors, and "Bad"
// when one of those crosses its threshold.
HealthStatus EvaluateHealth(const DriveInfo& info);
