#include "pages/CDlgAudioPeakMeter.h"

#include "collectors/CCollectors.h"

CDlgAudioPeakMeter::CDlgAudioPeakMeter(const CWindowContext& ctx) : CDlgUsageMonitor(ctx, 84) {}  // "Audio Peak Meter"

CDlgAudioPeakMeter::~CDlgAudioPeakMeter() = default;

int CDlgAudioPeakMeter::ReadUsage() {
    CCollectors* c = SharedCollectors();
    return c ? c->Audio().GetPeakLevel() : -1;
}
