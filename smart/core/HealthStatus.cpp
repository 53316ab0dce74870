#include "smart/core/HealthStatus.h"

namespace {

HealthStatus RateNvme(const DriveInfo& info) {
    HealthStatus h;
    for (const SmartAttribute& a : info.Attributes) {
        if (a.Id == 5) {
            h.Percent = a.Raw <= 100 ? 100 - static_cast<int>(a.Raw) : 0;
            break;
        }
    }
    bool critical = false;
    for (const SmartAttribute& a : info.Attributes) critical = critical || (a.Id == 1 && a.Raw != 0);
    if (critical) {
        h.Level = kHealthBad;
        h.Text = L"Bad";
    } else if (h.Percent <= 9) {
        h.Level = kHealthWarning;
        h.Text = L"Warning (Low Endurance Remaining)";
    }
    return h;
}

HealthStatus RateAta(const DriveInfo& info) {
    HealthStatus h;
    uint64_t sectors = 0;
    bool lifeFound = false;
    for (const SmartAttribute& a : info.Attributes) {
        if (a.Id == 202 || a.Id == 231 || a.Id == 233) {
            if (a.Current >= 1 && a.Current <= 100) {
                h.Percent = a.Current;
                lifeFound = true;
            }
        } else if (a.Id == 5 || a.Id == 197 || a.Id == 198) {
            sectors += a.Raw;
            if (a.Threshold != 0 && a.Current <= a.Threshold) {
                h.Level = kHealthBad;
                h.Text = L"Bad (Threshold Exceeded)";
            }
        }
    }
    if (!lifeFound) {
        // Every ten problem sectors cost one percent; a drive that still
        // answers never drops below 1. Worked out in 64 bits: a huge raw
        // count must not wrap around to a healthy-looking percentage.
        const uint64_t lost = sectors / 10;
        h.Percent = lost >= 99 ? 1 : 100 - static_cast<int>(lost);
    }
    if (h.Level != kHealthBad) {
        if (sectors != 0 || h.Percent < 20) {
            h.Level = kHealthWarning;
            h.Text = L"Warning";
        }
    }
    return h;
}

}  // namespace

HealthStatus EvaluateHealth(const DriveInfo& info) {
    if (info.Attributes.empty()) {
        HealthStatus h;
        h.Percent = 0;
        h.Level = kHealthUnknown;
        h.Text = L"Unknown";
        return h;
    }
    return info.AccessKind == kAccessNvme ? RateNvme(info) : RateAta(info);
}
