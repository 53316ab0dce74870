#pragma once
// The Memory page: installed size, memory type and module form factor, the
// memory WEI sub-score and the Usage button (memory monitor window).
#include "pages/CSectionPage.h"

class CDlgSectionMemory : public CSectionPage {
public:
    explicit CDlgSectionMemory(const CWindowContext& ctx);
    ~CDlgSectionMemory() override;

protected:
    void CollectValues() override;
    void OnButton() override;
};
