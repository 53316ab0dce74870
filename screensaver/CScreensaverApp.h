#pragma once
// The screensaver's application object: its settings and texts (kept in
// %APPDATA%\Velmora\Orvanel\Screensaver), and the one mode Windows asked for.
#include <cstdint>
#include <string>

#include "framework/CWinApp.h"
#include "collectors/CCollectors.h"
#include "framework/GdiPlus.h"
#include "screensaver/CSettings.h"
#include "settings/CAppFont.h"
#include "settings/CTranslate.h"
#include "settings/CWindowContext.h"

class CScreensaverApp : public CWinApp {
public:
    CScreensaverApp();

    BOOL InitInstance() override;

    CSettings m_settings;
    CTranslate m_translate;
    CAppFont m_font;  // the screensaver has no application font: stays empty
    // Built only for the board (full screen and preview), not for settings.
    CCollectors m_collectors;
    std::wstring m_settingsPath;
    CGdiPlusSession m_gdiplus;
    // What the screensaver's windows are handed.
    const CWindowContext m_context;

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
