#pragma once
// The About dialog: name, version, copyright and two links.
#include "framework/Handles.h"
#include "settings/CStyledDialog.h"

class CAboutDlg : public CStyledDialog {
public:
    explicit CAboutDlg(const CWindowContext& ctx);

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    CFontHandle m_titleFont;
    CFontHandle m_fontLinkFont;
    CFontHandle m_webLinkFont;
};
