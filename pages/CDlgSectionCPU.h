#pragma once
// The CPU page: the processor's name, signature, caches and counts, the
// processor WEI sub-score and the Usage button (CPU monitor window).
#include "pages/CSectionPage.h"

class CDlgSectionCPU : public CSectionPage {
public:
    explicit CDlgSectionCPU(const CWindowContext& ctx);
    ~CDlgSectionCPU() override;

protected:
    void CollectValues() override;
    void OnButton() override;
};
