#include "pages/CDlgAudioPeakMeter.h"

#include "app/COrvanelApp.h"

CDlgAudioPeakMeter::CDlgAudioPeakMeter() : CDlgUsageMonitor(84) {}  // "Audio Peak Meter"

CDlgAudioPeakMeter::~CDlgAudioPeakMeter() = default;

// The shared collectors exist once start-up has created them.
int CDlgAudioPeakMeter::ReadUsage() {
    COrvanelApp* app = GetApp();
    return app->m_audio ? app->Audio().GetPeakLevel() : -1;
}
