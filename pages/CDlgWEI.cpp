#include "pages/CDlgWEI.h"

#include "pages/CDlgWEIAssessment.h"
#include "pages/core/NoiseText.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

namespace {

// The value fields, the scores they show and their noise lengths.
const struct {
    int id;
    std::wstring CWinSAT::*score;
    size_t noiseLength;
} kFieldTable[CDlgWEI::kFields] = {
    {1002, &CWinSAT::baseScore, 16},     {1052, &CWinSAT::processorScore, 16}, {1094, &CWinSAT::memoryScore, 16},
    {1112, &CWinSAT::graphicsScore, 16}, {1127, &CWinSAT::diskScore, 16},      {1101, &CWinSAT::lastUpdate, 16},
};

const struct {
    int id;
    size_t text;
} kLabels[] = {
    {CDlgWEI::kInitiateId, 137}, {1170, 135}, {CDlgWEI::kGroupBoxId, 134}, {CDlgWEI::kGroupCaptionId, 134},
    {1089, 138},                 {1093, 15},  {1113, 16},                  {1174, 139},
    {1175, 136},
};

}  // namespace

CDlgWEI::CDlgWEI(const CWindowContext& ctx, CWnd* parent)
    : CStyledDialog(ctx, IDD_WEI, parent, Background::FramedPicture), m_winsat(*ctx.winsat) {
    for (const auto& f : kFieldTable) m_look.AddValueField(f.id);
    // In light mode the caption lies on the overlay like the box's own text.
    m_look.AddTransparentStatics({kGroupCaptionId});
}

BOOL CDlgWEI::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    StyleButton();
    RedrawNow(m_hWnd);
    ApplyAppFont({1002, 1052, 1094, 1112, 1127, 1101, kInitiateId, 1170, kGroupBoxId, kGroupCaptionId, 1089,
                  1093, 1113, 1174, 1175});
    SetWindowText(Text(132));
    for (const auto& label : kLabels) SetDlgItemText(label.id, Text(label.text));
    FitGroupCaption();
    StartReveal();
    return TRUE;
}

void CDlgWEI::FitGroupCaption() {
    // The caption static carries the same text as the group box and is
    // drawn over it, so it must lie exactly where the box draws its own:
    // 7 pixels in from the box's left edge, on its top edge.
    HWND caption = GetDlgItem(kGroupCaptionId), box = GetDlgItem(kGroupBoxId);
    if (!caption || !box) return;
    RECT boxRect{};
    ::GetWindowRect(box, &boxRect);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&boxRect), 2);
    const std::wstring text = GetDlgItemText(kGroupCaptionId);
    HDC dc = ::GetDC(caption);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(caption, WM_GETFONT, 0, 0)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(caption, dc);
    ::SetWindowPos(caption, nullptr, boxRect.left + 7, boxRect.top, extent.cx + 2, tm.tmHeight,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDlgWEI::StyleButton() {
    if (!m_button.GetSafeHwnd()) m_button.SubclassDlgItem(kInitiateId, m_hWnd);
    m_look.StyleButton(m_button);
}

void CDlgWEI::StartReveal() {
    m_tick = 0;
    m_revealed = false;
    m_revealTimer = SetTimer(kRevealTimer, kRevealPeriod);
    // Without a timer the fields would keep their placeholders for good.
    if (!m_revealTimer) FinishReveal();
}

void CDlgWEI::OnTimer(UINT_PTR id) {
    if (id != m_revealTimer || m_revealed) return;
    if (m_tick < kRevealFrames) {
        for (const auto& f : kFieldTable) SetDlgItemText(f.id, MakeNoiseText(f.noiseLength));
        ++m_tick;
    } else {
        FinishReveal();
    }
}

void CDlgWEI::FinishReveal() {
    if (m_revealTimer) KillTimer(m_revealTimer);
    m_revealTimer = 0;
    if (m_rereadScores) {
        m_rereadScores = false;
        m_winsat.ClearScores();
        m_winsat.ReadScores();
    }
    for (size_t i = 0; i < kFields; ++i) {
        m_values[i] = DashIfEmpty(m_winsat.*kFieldTable[i].score);
        SetDlgItemText(kFieldTable[i].id, m_values[i]);
    }
    m_revealed = true;
}

bool CDlgWEI::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (static_cast<int>(id) == kInitiateId && code == BN_CLICKED) {
        OnInitiateAssessment();
        return true;
    }
    return false;
}

void CDlgWEI::OnInitiateAssessment() {
    {
        CDlgWEIAssessment assessment(m_ctx, this);
        assessment.DoModal();
    }
    m_rereadScores = true;
    if (m_revealTimer) KillTimer(m_revealTimer);
    StartReveal();
}

HBRUSH CDlgWEI::OnCtlColor(HDC dc, HWND control, UINT ctlType) {
    const int id = ::GetDlgCtrlID(control);
    // The box itself is filled black in dark mode, under its caption.
    if (ctlType == WM_CTLCOLORSTATIC && DarkMode() && id == kGroupBoxId) return m_look.BlackBrush();
    return CStyledDialog::OnCtlColor(dc, control, ctlType);
}
