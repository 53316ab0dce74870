#include "collectors/CHardwareNetwork.h"
#include "common/Format.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintNetwork(FactsContext&) {
    CHardwareNetwork network;
    PrintFacts(L"CHardwareNetwork::AdapterNames", network.AdapterNames);
    PrintFacts(L"CHardwareNetwork::Descriptions", network.Descriptions);
    PrintFacts(L"CHardwareNetwork::MacAddresses", network.MacAddresses);
    PrintFacts(L"CHardwareNetwork::DhcpEnabled", network.DhcpEnabled);
    PrintFacts(L"CHardwareNetwork::DhcpServers", network.DhcpServers);
    PrintFacts(L"CHardwareNetwork::IpAddresses", network.IpAddresses);
    PrintFacts(L"CHardwareNetwork::IpMasks", network.IpMasks);
    PrintFacts(L"CHardwareNetwork::Gateways", network.Gateways);
    PrintFacts(L"CHardwareNetwork::AdapterTypes", network.AdapterTypes);
    PrintFact(L"CHardwareNetwork::GetUsage", network.GetUsage());
    PrintFact(L"CHardwareNetwork::GetBandwidth", network.GetBandwidth());

    std::vector<std::wstring> ssids, signals;
    std::vector<bool> connected, secured;
    network.GetWirelessNetworks(ssids, connected, signals, secured);
    PrintFact(L"CHardwareNetwork::GetWirelessNetworks", static_cast<int>(ssids.size()));
    for (size_t i = 0; i < ssids.size(); ++i)
        PrintFact(L"CHardwareNetwork::GetWirelessNetworks", i,
                  Format(L"%ls %ls secured=%d connected=%d", ssids[i].c_str(), signals[i].c_str(),
                         secured[i] ? 1 : 0, connected[i] ? 1 : 0));
}

FactsRegistrar registrar(FactsArea::Network, L"Network", PrintNetwork);

}  // namespace
