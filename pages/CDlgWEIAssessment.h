#pragma once
// Runs one formal assessment of the system and shows its progress: the
// tool's status line above a field of moving noise. On success the window
// closes by itself; on failure it shows the error, hides the noise and
// waits for the user. Closing it (close box, Escape, Enter) during a run
// cancels the run, and nothing the tool reports afterwards reaches it.
#include <windows.h>

#include "pages/CWinSAT.h"
#include "settings/CStyledDialog.h"

class CDlgWEIAssessment : public CStyledDialog {
public:
    static constexpr int kStatusId = 1178;
    static constexpr int kNoiseId = 1177;
    static constexpr UINT_PTR kAnimationTimer = 1;
    static constexpr UINT kAnimationPeriod = 60;  // milliseconds
    static constexpr size_t kNoiseLength = 30;

    // Runs the assessment into the context's score store.
    explicit CDlgWEIAssessment(const CWindowContext& ctx, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void InstallHandlers();
    void StartAssessment();
    // The status line and the hidden noise of a run that failed or never began.
    void ShowFailure(const std::wstring& text);
    // Asks the running assessment to stop; a run that cannot be stopped is let go of.
    void CancelAssessment();

    CWinSAT& m_winsat;
    UINT_PTR m_animationTimer = 0;
};
