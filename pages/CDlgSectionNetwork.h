#pragma once
// The Network page: the adapters in a combo ("Adapter #n"), the selected
// adapter's addresses, the link bandwidth refreshed every second, and the
// Usage button (network monitor window). The adapter lists belong to the
// network collector.
#include "pages/CSectionPage.h"

class CHardwareNetwork;

class CDlgSectionNetwork : public CSectionPage {
public:
    explicit CDlgSectionNetwork(const CWindowContext& ctx);
    ~CDlgSectionNetwork() override;

protected:
    void CollectValues() override;
    void OnRevealed() override;
    void OnSelchangeCombo() override;
    void OnButton() override;
    void OnRefresh() override;

private:
    CHardwareNetwork* m_network = nullptr;
};
