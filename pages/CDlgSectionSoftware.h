#pragma once
// The Software page: Windows version, edition, build, bitness, product ID
// and installation date. No button, no WEI field.
#include "pages/CSectionPage.h"

class CDlgSectionSoftware : public CSectionPage {
public:
    explicit CDlgSectionSoftware(const CWindowContext& ctx);
    ~CDlgSectionSoftware() override;

protected:
    void CollectValues() override;
};
