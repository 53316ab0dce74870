#include "collectors/core/WirelessNetworkList.h"

#include <algorithm>

#include "common/Format.h"

bool AddWirelessNetwork(const WirelessScanEntry& entry, WirelessNetworkList& list) {
    size_t length = std::min(entry.SsidLength, kMaxSsidLength);
    if (length == 0 || entry.Ssid == nullptr) return false;

    // SSIDs have no defined encoding; each byte stands for the character
    // with that code so that every network gets a stable, distinct text.
    std::wstring ssid;
    for (size_t i = 0; i < length; ++i) ssid += static_cast<wchar_t>(entry.Ssid[i]);
    if (std::find(list.Ssids.begin(), list.Ssids.end(), ssid) != list.Ssids.end()) return false;

    list.Ssids.push_back(ssid);
    list.Signals.push_back(Format(L"%d%ls", static_cast<int>(entry.SignalQuality), L"%"));
    list.Secured.push_back(entry.SecurityEnabled);
    list.Connected.push_back((entry.Flags & 1u) != 0);
    return true;
}
