#pragma once
// Network adapters with their addresses (gathered once, at construction),
// network load and link speed from performance counters, and the wireless
// networks in range.
#include <memory>
#include <string>
#include <vector>

#include "collectors/NoGathering.h"
#include "common/CObject.h"

class CPdhСounter;

class CHardwareNetwork : public CObject {
public:
    CHardwareNetwork();
    explicit CHardwareNetwork(NoGathering);
    ~CHardwareNetwork() override;

    // One entry per adapter in the IP helper's order, parallel lists.
    std::vector<std::wstring> AdapterNames;
    std::vector<std::wstring> Descriptions;
    std::vector<std::wstring> MacAddresses;
    std::vector<bool> DhcpEnabled;
    std::vector<std::wstring> DhcpServers;
    std::vector<std::wstring> IpAddresses;
    std::vector<std::wstring> IpMasks;
    std::vector<std::wstring> Gateways;
    std::vector<std::wstring> AdapterTypes;

    // Traffic of all adapters against the fastest link, in percent; at least
    // 1 when there is any traffic, and it may exceed 100.
    int GetUsage();
    // Fastest link speed in bits per second, -1 when none is known.
    int GetBandwidth();
    // Appends the wireless networks in range, one entry per SSID.
    void GetWirelessNetworks(std::vector<std::wstring>& ssids, std::vector<bool>& connected,
                             std::vector<std::wstring>& signals, std::vector<bool>& secured);

private:
    void GatherAdapters();
    void OpenCounters();

    // One per adapter, same order as the lists.
    std::vector<std::unique_ptr<CPdhСounter>> m_bandwidth;
    std::vector<std::unique_ptr<CPdhСounter>> m_bytesTotal;
    std::vector<std::unique_ptr<CPdhСounter>> m_bytesSent;
    std::vector<std::unique_ptr<CPdhСounter>> m_bytesReceived;

    // WLAN client handle, opened by the first successful wireless scan.
    void* m_wlan = nullptr;
};
