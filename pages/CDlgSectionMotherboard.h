#pragma once
// The Motherboard page: the board's maker, model and version and the
// firmware's vendor, version and date. No button, no WEI field.
#include "pages/CSectionPage.h"

class CDlgSectionMotherboard : public CSectionPage {
public:
    explicit CDlgSectionMotherboard(const CWindowContext& ctx);
    ~CDlgSectionMotherboard() override;

protected:
    void CollectValues() override;
};
