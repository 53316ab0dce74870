#pragma once
// The main program's application object: owns every service that more than
// one window uses, for the life of the process, and hands them to the
// windows through one window context.
#include <windows.h>

#include <string>

#include "collectors/CCollectors.h"
#include "framework/CWinApp.h"
#include "framework/GdiPlus.h"
#include "framework/Handles.h"
#include "pages/CWinSAT.h"
#include "settings/CAppFont.h"
#include "settings/COptions.h"
#include "settings/CTranslate.h"
#include "settings/CWindowContext.h"
#include "widgets/CWidgetManager.h"

class COrvanelApp : public CWinApp {
public:
    COrvanelApp();
    ~COrvanelApp() override;

    BOOL InitInstance() override;

    // Creates, keeps or drops the application font (only the embedded face
    // is ever created).
    void SetAppFont(const std::wstring& fontName) { m_appFont.Set(fontName); }
    HFONT AppFont() const { return m_appFont.Get(); }

    // What every window of the program is built with.
    const CWindowContext& Context() const { return m_context; }
    // The desktop widgets (section "Widgets" of the same settings file).
    CWidgetManager& Widgets() { return m_widgets; }

    std::wstring m_settingsPath;
    COptions m_options;
    CTranslate m_translate;
    CAppFont m_appFont;
    // Start-up builds them on a worker thread once it knows it is the only
    // instance, so a second copy never queries the system.
    CCollectors m_collectors;
    CWinSAT m_winsat;  // experience-index scores shown by the pages
    CGdiPlusSession m_gdiplus;
    CHandle m_mutex;

    // Monitor windows opened from the pages. They belong to the program, not
    // to the page that opened them: a page may be re-created (language or
    // appearance change) while its monitor window stays open.
    ProgramWindows m_monitorWindows;

private:
    // Runs the main window modally (or removes the logon task) and closes
    // the windows that belong to it.
    void RunMainWindow();
    // Start-up's widget step: settings, the first run's layout, the windows.
    void StartWidgets();

    const CWindowContext m_context;
    CWidgetManager m_widgets{m_context};
};

// The one application object of the process.
COrvanelApp* GetApp();

// Shortcuts for the program's own code outside its windows.
inline COptions& Options() { return GetApp()->m_options; }
inline const std::wstring& Text(size_t index) { return GetApp()->m_translate.Text(index); }
