#pragma once
// The Summary page: one line each for the operating system, processor,
// memory and graphics adapter, and the WEI base score, or the Assess button
// in its place while there is none.
#include "pages/CSectionPage.h"

class CDlgSectionSummary : public CSectionPage {
public:
    // `mainWindow` is told (WM_APP_WEI) when an assessment gave new scores.
    CDlgSectionSummary(const CWindowContext& ctx, CWnd* mainWindow);
    ~CDlgSectionSummary() override;

    // Shows the base score, or the Assess button while there is none.
    void UpdateWeiScore() override;

protected:
    void CollectValues() override;
    void OnButton() override;

private:
    CWnd* m_mainWindow;
};
