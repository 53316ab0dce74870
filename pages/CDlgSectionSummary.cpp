#include "pages/CDlgSectionSummary.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgWEI.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"
#include "settings/WindowNotices.h"

namespace {
enum : int {
    kOperatingSystem = 1002,
    kCpu = 1052,
    kMemory = 1094,
    kGraphics = 1112,
    kAssess = 1014,
};
}  // namespace

CDlgSectionSummary::CDlgSectionSummary(const CWindowContext& ctx, CWnd* mainWindow)
    : CSectionPage(ctx, IDD_SECTION_SUMMARY), m_mainWindow(mainWindow) {
    SetLabels({{kTitleId, 12}, {1046, 41}, {1089, 14}, {1093, 15}, {1113, 16}, {kWeiLabelId, 132}, {kAssess, 133}});
    AddField(kOperatingSystem, 28);
    AddField(kCpu, 28);
    AddField(kMemory, 28);
    AddField(kGraphics, 28);
    AddField(kWeiFieldId, 4);
    SetButton(kAssess);
}

CDlgSectionSummary::~CDlgSectionSummary() = default;

void CDlgSectionSummary::CollectValues() {
    CCollectors& collectors = Collectors();
    const CSoftware& os = collectors.Software();
    SetValue(kOperatingSystem, OperatingSystemLine(os.GetWindowsName(), os.GetEdition(), os.GetServicePack(),
                                                   os.GetBitness(), Text(39), Text(38)));
    SetValue(kCpu, collectors.Cpu().GetProcessorName());
    const CHardwareMemory& memory = collectors.Memory();
    SetValue(kMemory, memory.GetInstalledMemory() + L" " + memory.GetMemoryType());
    SetValue(kGraphics, DashIfEmpty(collectors.Graphics().GetAdapterName()));
}

void CDlgSectionSummary::UpdateWeiScore() {
    const std::wstring score = m_ctx.winsat ? m_ctx.winsat->baseScore : std::wstring();
    // The cached value too: a reveal still running ends on the new score.
    SetValue(kWeiFieldId, score);
    SetDlgItemText(kWeiFieldId, score);
    const bool have = !score.empty();
    if (HWND field = GetDlgItem(kWeiFieldId)) ::ShowWindow(field, have ? SW_SHOW : SW_HIDE);
    if (HWND button = GetDlgItem(kAssess)) ::ShowWindow(button, have ? SW_HIDE : SW_SHOW);
}

void CDlgSectionSummary::OnButton() {
    {
        CDlgWEI wei(m_ctx, m_mainWindow);
        wei.DoModal();
    }
    // An assessment may have brought new scores: this page first, then
    // every page through the main window.
    UpdateWeiScore();
    if (m_mainWindow && m_mainWindow->GetSafeHwnd()) ::SendMessageW(m_mainWindow->GetSafeHwnd(), WM_APP_WEI, 0, 0);
}
