#include "pages/CDlgSectionAudio.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgAudioPeakMeter.h"
#include "pages/core/DevicePageText.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kManufacturer = 1131,
    kName = 1052,
    kStatus = 1132,
    kOutputDevices = 1138,
    kInputDevices = 1137,
    kVolume = 1002,
    kPeakMeter = 1014,
};
}  // namespace

CDlgSectionAudio::CDlgSectionAudio(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_AUDIO) {
    // The frame around the combo (1130) has no caption.
    SetLabels({{kTitleId, 20}, {1133, 74}, {1134, 30}, {1135, 79}, {1139, 81}, {1140, 82}, {1141, 83},
               {kPeakMeter, 80}});
    AddField(kManufacturer, 18);
    AddField(kName, 18);
    AddField(kStatus, 18);
    AddField(kOutputDevices, 16);
    AddField(kInputDevices, 16);
    AddField(kVolume, 4);
    SetComboNoise(32);
    RefreshEverySecond();
    SetButton(kPeakMeter);
}

CDlgSectionAudio::~CDlgSectionAudio() = default;

void CDlgSectionAudio::CollectValues() {
    m_audio = &Collectors().Audio();
    // The two device lists are shown when the reveal ends, with the other values.
    SetValue(kOutputDevices, DeviceListText(m_audio->OutputDevices));
    SetValue(kInputDevices, DeviceListText(m_audio->InputDevices));
}

void CDlgSectionAudio::OnRevealed() {
    m_combo.Fill(m_audio->Captions);
    OnSelchangeCombo();
}

void CDlgSectionAudio::OnSelchangeCombo() {
    const int i = m_combo.Selection();
    SetDlgItemText(kManufacturer, DeviceEntry(m_audio->Manufacturers, i));
    SetDlgItemText(kName, DeviceEntry(m_audio->Names, i));
    SetDlgItemText(kStatus, DeviceEntry(m_audio->Statuses, i));
}

void CDlgSectionAudio::OnRefresh() { SetDlgItemText(kVolume, DashIfEmpty(m_audio->GetVolumeText())); }

void CDlgSectionAudio::OnButton() { OpenMonitor<CDlgAudioPeakMeter>(/*pauseFirst=*/true); }
