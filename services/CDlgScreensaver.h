#pragma once
// The screensaver set-up window: makes the program's own screensaver the
// user's screensaver, sets the waiting time and the logon screen on resume,
// and starts the screensaver for a preview or for its settings. Every change
// takes effect when it is made; there is no OK button.
#include <windows.h>

#include <string>

#include "framework/CDialogEx.h"
#include "services/core/ScreensaverSetup.h"
#include "settings/CAppearance.h"

class CSettingsStore;
class CTranslate;

class CDlgScreensaver : public CDialogEx {
public:
    // `appFont` may be null (the template's font is used then).
    CDlgScreensaver(CWnd* parent, const CSettingsStore& settings, const CTranslate& texts, HFONT appFont);

    const std::wstring& ScreensaverFile() const { return m_path; }

    // The user's desktop settings (under HKEY_CURRENT_USER).
    static constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

    // Starts the screensaver with `commandLine` and does not wait for it.
    virtual void StartScreensaver(const std::wstring& commandLine);

private:
    void EnableControls(bool enabled);
    void OnEnableToggled();
    void OnWaitEdited();
    void ApplyWait(int minutes);

    const CSettingsStore& m_settings;
    const CTranslate& m_texts;
    HFONT m_appFont;
    std::wstring m_path;
    bool m_ready = false;  // filling the controls at start is no change of the user's
    CAppearance m_look;
};
