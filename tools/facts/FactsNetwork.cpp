#include "collectors/CHardwareNetwork.h"
#include "common/Format.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintTexts(const wchar_t* operation, const std::vector<std::wstring>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, list[i]);
}

void PrintNetwork(FactsContext&) {
    CHardwareNetwork network;
    PrintTexts(L"CHardwareNetwork::AdapterNames", network.AdapterNames);
    PrintTexts(L"CHardwareNetwork::Descriptions", network.Descriptions);
    PrintTexts(L"CHardwareNetwork::MacAddresses", network.MacAddresses);
    for (size_t i = 0; i < network.DhcpEnabled.size(); ++i)
        PrintFact(L"CHardwareNetwork::DhcpEnabled", i, network.DhcpEnabled[i] ? 1LL : 0LL);
    PrintTexts(L"CHardwareNetwork::DhcpServers", network.DhcpServers);
    PrintTexts(L"CHardwareNetwork::IpAddresses", network.IpAddresses);
    PrintTexts(L"CHardwareNetwork::IpMasks", network.IpMasks);
    PrintTexts(L"CHardwareNetwork::Gateways", network.Gateways);
    PrintTexts(L"CHardwareNetwork::AdapterTypes", network.AdapterTypes);
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
