#pragma once
// The device combo of the Storage, Network and Audio pages.
#include <windows.h>

#include <string>
#include <vector>

// Replaces the combo's items by `items` in order ("-" for an empty one) and
// selects the first. Returns the selection: 0, or -1 when there are no items.
int FillDeviceCombo(HWND combo, const std::vector<std::wstring>& items);
