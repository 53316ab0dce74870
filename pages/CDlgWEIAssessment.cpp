#include "pages/CDlgWEIAssessment.h"

#include "pages/CWinSATCallbacks.h"
#include "pages/CWinSATCom.h"
#include "pages/core/NoiseText.h"
#include "pages/core/WinSATText.h"
#include "resources/resource.h"

CDlgWEIAssessment::CDlgWEIAssessment(const CWindowContext& ctx, CWnd* parent)
    : CStyledDialog(ctx, IDD_WEI_ASSESSMENT, parent, Background::FramedPicture), m_winsat(*ctx.winsat) {
    m_look.AddValueFields({kNoiseId});
}

BOOL CDlgWEIAssessment::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    ApplyAppFont({kStatusId, kNoiseId});
    SetWindowText(Text(140));
    m_animationTimer = SetTimer(kAnimationTimer, kAnimationPeriod);
    InstallHandlers();
    StartAssessment();
    return TRUE;
}

void CDlgWEIAssessment::InstallHandlers() {
    m_winsat.onProgress = [this](const std::wstring& text) {
        SetDlgItemText(kStatusId, text);
        RedrawNow(m_hWnd);
    };
    m_winsat.onComplete = [this](HRESULT status, const std::wstring& text) {
        SetDlgItemText(kStatusId, text);
        RedrawNow(m_hWnd);
        if (FAILED(status)) {
            if (HWND noise = GetDlgItem(kNoiseId)) ::ShowWindow(noise, SW_HIDE);
        } else {
            PostMessage(WM_COMMAND, IDOK, 0);
        }
    };
}

void CDlgWEIAssessment::StartAssessment() {
    // A run cancelled earlier whose end never came: it is let go of, and
    // whatever it still reports is ignored.
    m_winsat.ReleaseAssessment();
    m_winsat.EnterAssessmentApartment();

    IInitiateWinSATAssessment* assessment = nullptr;
    HRESULT hr = m_winsat.CreateObject(CLSID_CInitiateWinSAT, __uuidof(IInitiateWinSATAssessment),
                                       reinterpret_cast<void**>(&assessment));
    if (FAILED(hr) || !assessment) {
        if (assessment) assessment->Release();
        ShowFailure(WinSATCompletionText(FAILED(hr) ? hr : E_POINTER, L""));
        return;
    }
    m_winsat.assessment = assessment;
    m_winsat.callbacks = new CWinSATCallbacks(&m_winsat);

    // Held for the call: a report may end the run before the call returns.
    assessment->AddRef();
    hr = assessment->InitiateFormalAssessment(m_winsat.callbacks, m_hWnd);
    assessment->Release();
    if (FAILED(hr)) {
        m_winsat.ReleaseAssessment();
        ShowFailure(WinSATCompletionText(hr, L""));
    }
}

void CDlgWEIAssessment::ShowFailure(const std::wstring& text) {
    SetDlgItemText(kStatusId, text);
    if (HWND noise = GetDlgItem(kNoiseId)) ::ShowWindow(noise, SW_HIDE);
    RedrawNow(m_hWnd);
}

void CDlgWEIAssessment::CancelAssessment() {
    if (!m_winsat.assessment) return;
    // Until the tool confirms the end, the store keeps the run; its
    // reports no longer reach this window (OnDestroy).
    if (FAILED(m_winsat.assessment->CancelAssessment())) m_winsat.ReleaseAssessment();
}

void CDlgWEIAssessment::OnOK() {
    // Enter during a run ends the window as the close box does; the OK that
    // a successful run posts comes when the run is already over.
    CancelAssessment();
    EndDialog(IDOK);
}

void CDlgWEIAssessment::OnCancel() {
    CancelAssessment();
    EndDialog(IDCANCEL);
}

void CDlgWEIAssessment::OnDestroy() {
    m_winsat.onComplete = nullptr;
    m_winsat.onProgress = nullptr;
    if (m_animationTimer) KillTimer(m_animationTimer);
    m_animationTimer = 0;
}

void CDlgWEIAssessment::OnTimer(UINT_PTR id) {
    if (id != m_animationTimer) return;
    SetDlgItemText(kNoiseId, MakeNoiseText(kNoiseLength));
}

