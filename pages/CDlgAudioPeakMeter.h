#pragma once
// The audio peak meter: the peak level of the default output device.
#include "pages/CDlgUsageMonitor.h"

class CDlgAudioPeakMeter : public CDlgUsageMonitor {
public:
    explicit CDlgAudioPeakMeter(const CWindowContext& ctx);
    ~CDlgAudioPeakMeter() override;

protected:
    int ReadUsage() override;
};
