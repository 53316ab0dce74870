#pragma once
// Notices the main window understands (sent with zero parameters) from the
// windows that change what it shows.
#include <windows.h>

constexpr UINT WM_APP_LANGUAGE = WM_APP + 1;  // the text table was reloaded
constexpr UINT WM_APP_DARKMODE = WM_APP + 2;  // "fDarkMode" changed
constexpr UINT WM_APP_FONT = WM_APP + 3;      // the application font changed
constexpr UINT WM_APP_WEI = WM_APP + 4;       // new experience-index scores
