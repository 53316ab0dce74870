#include "screensaver/CSettings.h"

CSettings::CSettings() : CSettingsStore(L"Screensaver", false) {
    SetString(L"strLanguage", L"English");
    SetString(L"strBackground", kBackgroundSpace);
}
