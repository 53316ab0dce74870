#pragma once
// The Network page: the adapters in a combo ("Adapter #n"), the selected
// adapter's addresses, the link bandwidth refreshed every second, and the
// Usage button (network monitor window). The adapter lists belong to the
// network collector.
#include "pages/CSectionPage.h"

class CHardwareNetwork;

class CDlgSectionNetwork : public CSectionPage {
public:
    static constexpr UINT_PTR kRefreshTimer = 2;
    static constexpr UINT kRefreshPeriod = 1000;  // milliseconds

    CDlgSectionNetwork();
    ~CDlgSectionNetwork() override;

protected:
    void CollectValues() override;
    void OnRevealed() override;
    void OnSelchangeCombo() override;
    void OnButton() override;
    void OnTimer(UINT_PTR id) override;

private:
    void ShowBandwidth();

    CHardwareNetwork* m_network = nullptr;
    UINT_PTR m_refreshTimer = 0;
};
