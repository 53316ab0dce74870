#pragma once
// The experience-index window: the base score, the four sub-scores and the
// date of the assessment they come from, revealed after a short noise
// animation, and the button that runs a new assessment. After an assessment
// the noise runs again and ends on the scores read anew.
#include <windows.h>

#include <string>

#include "framework/CMFCButton.h"
#include "pages/CWinSAT.h"
#include "settings/CStyledDialog.h"

class CDlgWEI : public CStyledDialog {
public:
    static constexpr int kInitiateId = 1014;
    static constexpr int kGroupBoxId = 1171;
    static constexpr int kGroupCaptionId = 1176;
    static constexpr UINT_PTR kRevealTimer = 1;
    static constexpr UINT kRevealPeriod = 60;  // milliseconds per noise frame
    static constexpr unsigned kRevealFrames = 20;
    static constexpr size_t kFields = 6;

    // Shows and refreshes the context's score store.
    explicit CDlgWEI(const CWindowContext& ctx, CWnd* parent = nullptr);

    // True once the noise has given way to the scores.
    bool Revealed() const { return m_revealed; }

protected:
    BOOL OnInitDialog() override;
    void OnTimer(UINT_PTR id) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void StyleButton();
    void FitGroupCaption();
    void StartReveal();
    void FinishReveal();
    void OnInitiateAssessment();

    CWinSAT& m_winsat;
    CMFCButton m_button;
    UINT_PTR m_revealTimer = 0;
    unsigned m_tick = 0;
    bool m_revealed = false;
    bool m_rereadScores = false;
    std::wstring m_values[kFields];
};
