#pragma once
// Messages the main window understands.
#include <windows.h>

#include "settings/WindowNotices.h"

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 101;  // from the notification-area icon
