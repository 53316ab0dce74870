#pragma once
// The settings window: language, dark mode and font. Every choice is stored
// and applied the moment it is made and announced to the main window.
#include <string>
#include <vector>

#include "settings/CAppearance.h"
#include "settings/CStyledDialog.h"

class CDlgSettings : public CStyledDialog {
public:
    // `mainWindow` receives the change notices (may be nullptr).
    CDlgSettings(const CWindowContext& ctx, CWnd* mainWindow);

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void SetTexts();
    void ApplyFont();
    void OnLanguageChosen();
    void OnDarkModeToggled();
    void OnFontChosen();
    void Notify(UINT message) const;

    CWnd* m_mainWindow;
    CAppearance m_look;
    std::vector<std::wstring> m_fontNames;  // data of the font list's entries
};

// Languages whose texts the embedded font cannot show.
bool LanguageExcludesEmbeddedFont(const std::wstring& language);
