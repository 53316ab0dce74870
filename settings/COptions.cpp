#include "settings/COptions.h"

COptions::COptions() : CSettingsStore(L"Settings", true) {
    SetString(L"strLanguage", L"English");
    SetBool(L"fDarkMode", true);
    SetString(L"strFont", L"Sebastian Gothic NBP");
    SetBool(L"fWidgetsEnable", false);
    SetBool(L"fFirstRun", true);
}
