#pragma once
// The screensaver's application object: its settings and texts (kept in
// %APPDATA%\Velmora\Orvanel\Screensaver), and the one mode Windows asked for.
#include <cstdint>
#include <string>

#include "framework/CWinApp.h"
#include "framework/GdiPlus.h"
#include "screensaver/CSettings.h"
#include "settings/CTranslate.h"

class CScreensaverApp : public CWinApp {
public:
    CScreensaverApp();

    BOOL InitInstance() override;

    CSettings m_settings;
    CTranslate m_translate;
    std::wstring m_settingsPath;
    CGdiPlusSession m_gdiplus;

private:
    void RunFullScreen();
    void RunSettings();
    void RunPreview(int64_t parent);
};

// %APPDATA%\Velmora\Orvanel\Screensaver (not created).
std::wstring ScreensaverFolder();
// Creates the folder and the ones above it below %APPDATA%; failures (a
// folder that exists already) are ignored.
void CreateScreensaverFolder();
