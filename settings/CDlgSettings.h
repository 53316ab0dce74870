#pragma once
// The settings window: language, dark mode and font. Every choice is stored
// and applied the moment it is made and announced to the main window.
#include <string>
#include <vector>

#include "settings/CStyledDialog.h"

class CDlgSettings : public CStyledDialog {
public:
    // `mainWindow` receives the change notices (may be nullptr).
    CDlgSettings(const CWindowContext& ctx, CWnd* mainWindow);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetTexts();
    void ApplyFont();
    void OnLanguageChosen();
    void OnDarkModeToggled();
    void OnFontChosen();
    void Notify(UINT message) const;

    CWnd* m_mainWindow;
    std::vector<std::wstring> m_fontNames;  // data of the font list's entries
};

// Languages whose texts the embedded font cannot show.
bool LanguageExcludesEmbeddedFont(const std::wstring& language);
