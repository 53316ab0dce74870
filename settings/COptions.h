#pragma once
// The main program's settings: section "Settings" of settings.ini; every
// change is written to the file at once.
#include "settings/CSettingsStore.h"

class COptions : public CSettingsStore {
public:
    COptions();
};
