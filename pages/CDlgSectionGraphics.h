#pragma once
// The Graphics page: the video adapter (name, memory, driver version), the
// primary display's current mode, the graphics WEI sub-score and the Usage
// button (GPU monitor window, Windows 10 and later).
#include "pages/CSectionPage.h"

class CDlgSectionGraphics : public CSectionPage {
public:
    explicit CDlgSectionGraphics(const CWindowContext& ctx);
    ~CDlgSectionGraphics() override;

protected:
    void CollectValues() override;
    void OnButton() override;
};
