#pragma once
// The About dialog: name, version, copyright and two links.
#include "framework/Handles.h"
#include "settings/CAppearance.h"
#include "settings/CStyledDialog.h"

class CAboutDlg : public CStyledDialog {
public:
    explicit CAboutDlg(const CWindowContext& ctx);

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    CAppearance m_look;
    CFontHandle m_titleFont;
    CFontHandle m_fontLinkFont;
    CFontHandle m_webLinkFont;
};
