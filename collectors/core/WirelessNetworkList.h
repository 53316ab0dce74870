#pragma once
// The wireless networks in range as the Network collector reports them: four
// parallel lists, one entry per distinct SSID, in the order first seen.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One entry of an interface's available-network list, as the WLAN service
// delivers it (the SSID is raw bytes, not text).
struct WirelessScanEntry {
    const uint8_t* Ssid = nullptr;
    size_t SsidLength = 0;
    unsigned SignalQuality = 0;  // 0..100
    bool SecurityEnabled = false;
    uint32_t Flags = 0;          // bit 0: this is the connected network
};

struct WirelessNetworkList {
    std::vector<std::wstring>& Ssids;
    std::vector<bool>& Connected;
    std::vector<std::wstring>& Signals;
    std::vector<bool>& Secured;
};

// The WLAN service's SSID buffer holds at most this many bytes.
constexpr size_t kMaxSsidLength = 32;

// Appends the entry unless it is hidden (no SSID) or its SSID is already
// listed: a network seen through several access points or profiles keeps the
// values of its first sighting. Returns whether it was appended.
bool AddWirelessNetwork(const WirelessScanEntry& entry, WirelessNetworkList& list);
