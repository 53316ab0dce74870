#pragma once
// The main program's application object: owns every service that more than
// one window uses, for the life of the process.
#include <windows.h>

#include <string>

#include "collectors/core/CDumpSMBIOS.h"
#include "framework/CWinApp.h"
#include "framework/GdiPlus.h"
#include "framework/Handles.h"
#include "settings/COptions.h"
#include "settings/CTranslate.h"

class COrvanelApp : public CWinApp {
public:
    COrvanelApp();
    ~COrvanelApp() override;

    BOOL InitInstance() override;

    // Creates, keeps or drops the application font (only the embedded face
    // is ever created).
    void SetAppFont(const std::wstring& fontName);
    HFONT AppFont() const { return m_appFont.Get(); }

    std::wstring m_settingsPath;
    COptions m_options;
    CTranslate m_translate;
    CFontHandle m_appFont;
    CDumpSMBIOS m_smbios;
    CGdiPlusSession m_gdiplus;
    CHandle m_mutex;
};

// The one application object of the process.
COrvanelApp* GetApp();

// Shortcuts used by every window.
inline COptions& Options() { return GetApp()->m_options; }
inline const std::wstring& Text(size_t index) { return GetApp()->m_translate.Text(index); }
