#include "pages/CDlgSectionNetwork.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgNetworkUsage.h"
#include "pages/core/DevicePageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kDescription = 1142,
    kMacAddress = 1143,
    kDhcpEnabled = 1144,
    kDhcpServer = 1127,
    kIpAddress = 1101,
    kSubnetMask = 1145,
    kGateway = 1146,
    kBandwidth = 1002,
    kUsage = 1053,
};
}  // namespace

CDlgSectionNetwork::CDlgSectionNetwork(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_NETWORK) {
    SetLabels({{kTitleId, 19}, {1147, 78}, {1149, 88}, {1150, 89}, {1151, 90}, {1152, 91}, {1153, 92},
               {1154, 93}, {1148, 94}, {kUsage, 60}});
    AddField(kDescription, 18);
    AddField(kMacAddress, 18);
    AddField(kDhcpEnabled, 18);
    AddField(kDhcpServer, 18);
    AddField(kIpAddress, 18);
    AddField(kSubnetMask, 18);
    AddField(kGateway, 18);
    AddField(kBandwidth, 8);
    SetComboNoise(8);
    RefreshEverySecond();
    SetButton(kUsage);
}

CDlgSectionNetwork::~CDlgSectionNetwork() = default;

void CDlgSectionNetwork::CollectValues() { m_network = &Collectors().Network(); }

void CDlgSectionNetwork::OnRevealed() {
    // Adapters are numbered, not named: their descriptions are in the field below.
    m_combo.Fill(NumberedItems(Text(85), m_network->Descriptions.size()));
    OnSelchangeCombo();
}

void CDlgSectionNetwork::OnSelchangeCombo() {
    const int i = m_combo.Selection();
    SetDlgItemText(kDescription, DeviceEntry(m_network->Descriptions, i));
    SetDlgItemText(kMacAddress, DeviceEntry(m_network->MacAddresses, i));
    SetDlgItemText(kDhcpEnabled, DeviceFlag(m_network->DhcpEnabled, i, Text(86), Text(87)));
    SetDlgItemText(kDhcpServer, DeviceEntry(m_network->DhcpServers, i));
    SetDlgItemText(kIpAddress, DeviceEntry(m_network->IpAddresses, i));
    SetDlgItemText(kSubnetMask, DeviceEntry(m_network->IpMasks, i));
    SetDlgItemText(kGateway, DeviceEntry(m_network->Gateways, i));
}

void CDlgSectionNetwork::OnRefresh() { SetDlgItemText(kBandwidth, BandwidthText(m_network->GetBandwidth())); }

void CDlgSectionNetwork::OnButton() { OpenMonitor<CDlgNetworkUsage>(/*pauseFirst=*/true); }
