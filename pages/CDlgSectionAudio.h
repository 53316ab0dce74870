#pragma once
// The Audio page: the sound devices in a combo with the selected one's
// manufacturer, name and status, the playback and recording devices, the
// master volume refreshed every second, and the Peak Meter button. The
// device lists belong to the audio collector.
#include <string>

#include "pages/CSectionPage.h"

class CHardwareAudio;

class CDlgSectionAudio : public CSectionPage {
public:
    explicit CDlgSectionAudio(const CWindowContext& ctx);
    ~CDlgSectionAudio() override;

protected:
    void CollectValues() override;
    void OnRevealed() override;
    void OnSelchangeCombo() override;
    void OnButton() override;
    void OnRefresh() override;

private:
    CHardwareAudio* m_audio = nullptr;
};
