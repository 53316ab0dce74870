#pragma once
// Messages the main window understands.
#include <windows.h>

#include "settings/WindowNotices.h"

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 101;  // from the notification-area icon
constexpr UINT WM_MORE_PAGES = WM_USER + 102;   // posted to itself: create the pages start-up left for later
