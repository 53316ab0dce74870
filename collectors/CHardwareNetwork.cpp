// Win32: IP helper adapter records, "Network Interface" counters, WLAN scan.
#include "collectors/CHardwareNetwork.h"

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <wlanapi.h>

#include "collectors/CPdhСounter.h"
#include "collectors/CodePageText.h"
#include "collectors/core/CounterFigures.h"
#include "collectors/core/FixedText.h"
#include "collectors/core/NetworkText.h"
#include "collectors/core/WirelessNetworkList.h"

namespace {

// The adapter records carry ANSI texts in fixed-size arrays.
template <size_t N>
std::wstring AnsiText(const char (&field)[N]) {
    return CodePageText(CP_ACP, FixedText(field, N));
}

std::unique_ptr<CPdhСounter> OpenCounter(const std::wstring& instance, const wchar_t* name) {
    auto counter = std::make_unique<CPdhСounter>();
    counter->Open(L"\\Network Interface(" + instance + L")\\" + name);
    return counter;
}

}  // namespace

CHardwareNetwork::CHardwareNetwork() {
    GatherAdapters();
    OpenCounters();
}

CHardwareNetwork::CHardwareNetwork(NoGathering) {}

CHardwareNetwork::~CHardwareNetwork() {
    if (m_wlan != nullptr) WlanCloseHandle(m_wlan, nullptr);
}

void CHardwareNetwork::GatherAdapters() {
    // Room for one record first; the call reports the size it needs. Held
    // as 8-byte words so the records are aligned.
    ULONG size = 648;
    std::vector<ULONGLONG> buffer((size + 7) / 8);
    auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (GetAdaptersInfo(first, &size) != ERROR_SUCCESS) {
        if (size == 0) return;
        buffer.assign((size + 7) / 8, 0);
        first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
        if (GetAdaptersInfo(first, &size) != ERROR_SUCCESS) return;
    }
    for (const IP_ADAPTER_INFO* a = first; a != nullptr; a = a->Next) {
        AdapterNames.push_back(AnsiText(a->AdapterName));
        Descriptions.push_back(AnsiText(a->Description));
        DhcpEnabled.push_back(a->DhcpEnabled != 0);
        DhcpServers.push_back(AnsiText(a->DhcpServer.IpAddress.String));
        IpAddresses.push_back(AnsiText(a->IpAddressList.IpAddress.String));
        IpMasks.push_back(AnsiText(a->IpAddressList.IpMask.String));
        Gateways.push_back(AnsiText(a->GatewayList.IpAddress.String));
        MacAddresses.push_back(FormatMacAddress(a->Address, a->AddressLength, sizeof a->Address));
        AdapterTypes.push_back(AdapterTypeText(a->Type));
    }
}

void CHardwareNetwork::OpenCounters() {
    for (const std::wstring& description : Descriptions) {
        std::wstring instance = NetworkInstanceName(description);
        m_bandwidth.push_back(OpenCounter(instance, L"Current Bandwidth"));
        m_bytesTotal.push_back(OpenCounter(instance, L"Bytes Total/sec"));
        m_bytesSent.push_back(OpenCounter(instance, L"Bytes Sent/sec"));
        m_bytesReceived.push_back(OpenCounter(instance, L"Bytes Received/sec"));
    }
}

int CHardwareNetwork::GetUsage() {
    // Totals first, then the link speeds: each sample covers the interval
    // since that counter's previous one.
    std::vector<int> totals = SampleAll(m_bytesTotal);
    std::vector<int> bandwidths = SampleAll(m_bandwidth);
    return NetworkUsageFromSamples(totals, bandwidths);
}

int CHardwareNetwork::GetBandwidth() { return LinkSpeedFromSamples(SampleAll(m_bandwidth)); }

void CHardwareNetwork::GetWirelessNetworks(std::vector<std::wstring>& ssids, std::vector<bool>& connected,
                                           std::vector<std::wstring>& signals, std::vector<bool>& secured) {
    if (m_wlan == nullptr) {
        DWORD negotiated = 0;
        HANDLE handle = nullptr;
        if (WlanOpenHandle(2, nullptr, &negotiated, &handle) != ERROR_SUCCESS) return;
        m_wlan = handle;
    }
    PWLAN_INTERFACE_INFO_LIST interfaces = nullptr;
    if (WlanEnumInterfaces(m_wlan, nullptr, &interfaces) != ERROR_SUCCESS || interfaces == nullptr) return;

    WirelessNetworkList list{ssids, connected, signals, secured};
    for (DWORD i = 0; i < interfaces->dwNumberOfItems; ++i) {
        PWLAN_AVAILABLE_NETWORK_LIST networks = nullptr;
        if (WlanGetAvailableNetworkList(m_wlan, &interfaces->InterfaceInfo[i].InterfaceGuid, 0, nullptr,
                                        &networks) != ERROR_SUCCESS ||
            networks == nullptr)
            continue;
        for (DWORD n = 0; n < networks->dwNumberOfItems; ++n) {
            const WLAN_AVAILABLE_NETWORK& network = networks->Network[n];
            WirelessScanEntry entry;
            entry.Ssid = network.dot11Ssid.ucSSID;
            entry.SsidLength = network.dot11Ssid.uSSIDLength;
            entry.SignalQuality = network.wlanSignalQuality;
            entry.SecurityEnabled = network.bSecurityEnabled != FALSE;
            entry.Flags = network.dwFlags;
            AddWirelessNetwork(entry, list);
        }
        WlanFreeMemory(networks);
    }
    WlanFreeMemory(interfaces);
}
