#include "pages/CDlgSectionStorage.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgUsageStorage.h"
#include "pages/core/DevicePageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kManufacturer = 1091,
    kModel = 1057,
    kSize = 1052,
    kMediaType = 1002,
    kDescription = 1127,
    kStatus = 1126,
    kUsage = 1053,
};
}  // namespace

CDlgSectionStorage::CDlgSectionStorage(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_STORAGE) {
    SetLabels({{kTitleId, 18}, {1115, 74}, {1071, 49}, {1095, 61}, {1096, 63}, {1128, 78}, {1129, 79}, {kUsage, 60}});
    AddField(kManufacturer, 18);
    AddField(kModel, 18);
    AddField(kSize, 18);
    AddField(kMediaType, 18);
    AddField(kDescription, 18);
    AddField(kStatus, 18);
    SetWeiField(&CWinSAT::diskScore, 4);
    SetComboNoise(24);
    SetButton(kUsage);
}

CDlgSectionStorage::~CDlgSectionStorage() = default;

void CDlgSectionStorage::CollectValues() { m_drives = &Collectors().Storage(); }

void CDlgSectionStorage::OnRevealed() {
    m_combo.Fill(m_drives->Captions);
    OnSelchangeCombo();
}

void CDlgSectionStorage::OnSelchangeCombo() {
    const int i = m_combo.Selection();
    SetDlgItemText(kDescription, DeviceEntry(m_drives->Descriptions, i));
    SetDlgItemText(kManufacturer, DeviceEntry(m_drives->Manufacturers, i));
    SetDlgItemText(kModel, DeviceEntry(m_drives->Models, i));
    SetDlgItemText(kSize, DeviceEntry(m_drives->SizeTexts, i));
    SetDlgItemText(kStatus, DeviceEntry(m_drives->Statuses, i));
    SetDlgItemText(kMediaType, DeviceEntry(m_drives->MediaTypes, i));
}

void CDlgSectionStorage::OnButton() { OpenMonitor<CDlgUsageStorage>(/*pauseFirst=*/true); }
