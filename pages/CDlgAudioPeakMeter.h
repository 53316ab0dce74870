#pragma once
// The audio peak meter: the peak level of the default output device.
#include "pages/CDlgUsageMonitor.h"

class CDlgAudioPeakMeter : public CDlgUsageMonitor {
public:
    CDlgAudioPeakMeter();
    ~CDlgAudioPeakMeter() override;

protected:
    int ReadUsage() override;
};
