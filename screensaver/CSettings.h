#pragma once
// The screensaver's settings: section "Screensaver" of its own settings.ini.
// Setting a value changes memory only; the settings window writes the whole
// store with SaveAll after each change.
#include "settings/CSettingsStore.h"

class CSettings : public CSettingsStore {
public:
    CSettings();
};

// The values "strBackground" may hold; anything else draws black.
constexpr wchar_t kBackgroundBlack[] = L"black";
constexpr wchar_t kBackgroundTransparent[] = L"transparent";
constexpr wchar_t kBackgroundSpace[] = L"space";
constexpr wchar_t kBackgroundCity[] = L"cyberpunk_city";
