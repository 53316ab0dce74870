#pragma once
// How the device pages (Graphics, Storage, Network, Audio) turn the
// collectors' per-device lists and live readings into field texts.
#include <cstddef>
#include <string>
#include <vector>

// Entry `index` of a per-device list as its field shows it: "-" when the
// entry is empty, when nothing is selected (-1) and when the list is shorter
// than the selection (the lists are meant to be parallel; a short one must
// not take the page down).
std::wstring DeviceEntry(const std::vector<std::wstring>& list, int index);
// The same for a yes/no list: `yes` or `no`, "-" without an entry.
std::wstring DeviceFlag(const std::vector<bool>& list, int index, const std::wstring& yes, const std::wstring& no);

// Combo items that number the devices rather than name them:
// "Adapter #1", "Adapter #2", ... for `count` devices.
std::vector<std::wstring> NumberedItems(const std::wstring& word, size_t count);

// Device names one per line (CRLF between them), or "-" for none.
std::wstring DeviceListText(const std::vector<std::wstring>& names);

// Link speed in whole kilobits per second, the fraction dropped:
// 1000000000 gives "1000000 kbps"; "no link" (-1) gives "0 kbps".
std::wstring BandwidthText(long bitsPerSecond);
