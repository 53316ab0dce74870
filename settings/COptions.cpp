#include "settings/COptions.h"

#include "settings/CAppFont.h"

COptions::COptions() : CSettingsStore(L"Settings", true) {
    SetString(L"strLanguage", L"English");
    SetBool(L"fDarkMode", true);
    SetString(L"strFont", kEmbeddedFontFace);
    SetBool(L"fWidgetsEnable", false);
    SetBool(L"fFirstRun", true);
}
