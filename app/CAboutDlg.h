#pragma once
// The About dialog: name, version, copyright and two links.
#include "framework/CDialogEx.h"
#include "framework/Handles.h"
#include "settings/CAppearance.h"

class CAboutDlg : public CDialogEx {
public:
    CAboutDlg();

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
