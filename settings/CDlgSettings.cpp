#include "settings/CDlgSettings.h"

#include "resources/resource.h"
#include "settings/WindowNotices.h"

bool LanguageExcludesEmbeddedFont(const std::wstring& language) {
    return language == L"Russian" || language == L"Chinese";
}

CDlgSettings::CDlgSettings(const CWindowContext& ctx, CWnd* mainWindow)
    : CStyledDialog(ctx, IDD_SETTINGS, mainWindow, Background::FramedPicture), m_mainWindow(mainWindow) {}

BOOL CDlgSettings::OnInitDialog() {
    CStyledDialog::OnInitDialog();

    const std::wstring language = Options().GetString(L"strLanguage");
    m_ctx.texts.FillLanguageCombo(GetDlgItem(IDC_SETTINGS_LANGUAGE), language);
    ::CheckDlgButton(m_hWnd, IDC_SETTINGS_DARK, DarkMode() ? BST_CHECKED : BST_UNCHECKED);
    if (LanguageExcludesEmbeddedFont(language)) ::EnableWindow(GetDlgItem(IDC_SETTINGS_FONT), FALSE);

    ApplyFont();
    SetTexts();
    return TRUE;
}

void CDlgSettings::ApplyFont() {
    ApplyAppFont({IDC_SETTINGS_FONT, IDC_SETTINGS_LANGUAGE_LABEL, IDC_SETTINGS_DARK_LABEL, IDC_SETTINGS_FONT_LABEL});
}

void CDlgSettings::SetTexts() {
    SetWindowText(Text(5));
    SetDlgItemText(IDC_SETTINGS_LANGUAGE_LABEL, Text(4));
    SetDlgItemText(IDC_SETTINGS_DARK_LABEL, Text(21));
    SetDlgItemText(IDC_SETTINGS_FONT_LABEL, Text(22));

    HWND list = GetDlgItem(IDC_SETTINGS_FONT);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    m_fontNames = {std::wstring(), kEmbeddedFontFace};
    const std::wstring shown[] = {Text(23), kEmbeddedFontFace};
    for (size_t i = 0; i < m_fontNames.size(); ++i) {
        LRESULT item = ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown[i].c_str()));
        ::SendMessageW(list, CB_SETITEMDATA, item, static_cast<LPARAM>(i));
    }
    const std::wstring current = Options().GetString(L"strFont");
    int selection = 0;
    for (size_t i = 0; i < m_fontNames.size(); ++i)
        if (m_fontNames[i] == current) selection = static_cast<int>(i);
    ::SendMessageW(list, CB_SETCURSEL, selection, 0);
}

void CDlgSettings::Notify(UINT message) const {
    if (m_mainWindow && m_mainWindow->m_hWnd) ::SendMessageW(m_mainWindow->m_hWnd, message, 0, 0);
}

void CDlgSettings::OnLanguageChosen() {
    std::wstring language;
    m_ctx.texts.GetSelectedLanguage(GetDlgItem(IDC_SETTINGS_LANGUAGE), language);
    // An empty name (a file with an empty lang_en, or one removed since the
    // list was filled) is stored and loaded like any other, so the texts
    // always follow the list.
    Options().SetString(L"strLanguage", language);

    HWND fontList = GetDlgItem(IDC_SETTINGS_FONT);
    if (LanguageExcludesEmbeddedFont(language)) {
        if (Options().GetString(L"strFont") == kEmbeddedFontFace) {
            ::SendMessageW(fontList, CB_SETCURSEL, 0, 0);
            OnFontChosen();
        }
        ::EnableWindow(fontList, FALSE);
    } else {
        ::EnableWindow(fontList, TRUE);
    }

    m_ctx.texts.Load(language);
    SetTexts();
    Notify(WM_APP_LANGUAGE);
    RedrawNow(m_hWnd);
}

void CDlgSettings::OnDarkModeToggled() {
    const bool dark = ::IsDlgButtonChecked(m_hWnd, IDC_SETTINGS_DARK) == BST_CHECKED;
    SetDarkMode(dark);
    Options().SetBool(L"fDarkMode", dark);
    Notify(WM_APP_DARKMODE);
}

void CDlgSettings::OnFontChosen() {
    HWND list = GetDlgItem(IDC_SETTINGS_FONT);
    LRESULT sel = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (sel == CB_ERR) return;
    const size_t index = static_cast<size_t>(::SendMessageW(list, CB_GETITEMDATA, sel, 0));
    const std::wstring font = index < m_fontNames.size() ? m_fontNames[index] : std::wstring();
    Options().SetString(L"strFont", font);
    m_ctx.font.Set(font);
    ApplyFont();
    RedrawNow(m_hWnd);
    Notify(WM_APP_FONT);
}

bool CDlgSettings::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (id == IDC_SETTINGS_LANGUAGE && code == CBN_SELCHANGE) {
        OnLanguageChosen();
        return true;
    }
    if (id == IDC_SETTINGS_DARK && code == BN_CLICKED) {
        OnDarkModeToggled();
        return true;
    }
    if (id == IDC_SETTINGS_FONT && code == CBN_SELCHANGE) {
        OnFontChosen();
        return true;
    }
    return false;
}
