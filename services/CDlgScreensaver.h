#pragma once
// The screensaver set-up window: makes the program's own screensaver the
// user's screensaver, sets the waiting time and the logon screen on resume,
// and starts the screensaver for a preview or for its settings. Every change
// takes effect when it is made; there is no OK button.
#include <windows.h>

#include <string>

#include "services/core/ScreensaverSetup.h"
#include "settings/CStyledDialog.h"

class CDlgScreensaver : public CStyledDialog {
public:
    CDlgScreensaver(const CWindowContext& ctx, CWnd* parent);

    const std::wstring& ScreensaverFile() const { return m_path; }

    // The user's desktop settings (under HKEY_CURRENT_USER).
    static constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;

    // Starts the screensaver with `commandLine` and does not wait for it.
    virtual void StartScreensaver(const std::wstring& commandLine);

private:
    void EnableControls(bool enabled);
    void OnEnableToggled();
    void OnWaitEdited();
    void ApplyWait(int minutes);

    std::wstring m_path;
    bool m_ready = false;  // filling the controls at start is no change of the user's
};
