#include "screensaver/CDlgSettings.h"

#include <commctrl.h>
#include <shellapi.h>

#include "resources/screensaver/resource.h"
#include "screensaver/CSettings.h"
#include "screensaver/core/ScreensaverLinks.h"
#include "settings/CSettingsStore.h"
#include "settings/CTranslate.h"

namespace screensaver {

const std::vector<CDlgSettings::BackgroundChoice>& CDlgSettings::BackgroundChoices() {
    static const std::vector<BackgroundChoice> choices = {
        {4, kBackgroundBlack}, {5, kBackgroundTransparent}, {6, kBackgroundSpace}, {11, kBackgroundCity}};
    return choices;
}

CDlgSettings::CDlgSettings(const CWindowContext& ctx)
    : CDialogEx(IDD_SCR_SETTINGS), m_settings(ctx.settings), m_texts(ctx.texts) {}

BOOL CDlgSettings::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_texts.FillLanguageCombo(GetDlgItem(IDC_SCR_LANGUAGE), m_settings.GetString(L"strLanguage"));
    Relabel();
    return TRUE;
}

void CDlgSettings::Relabel() {
    SetWindowText(m_texts.Text(0));
    SetDlgItemText(IDC_SCR_LANGUAGE_LABEL, m_texts.Text(2));
    SetDlgItemText(IDC_SCR_BACKGROUND_LABEL, m_texts.Text(3));

    // The list sorts its items by text; each item keeps the index of its
    // choice, so the stored value does not depend on the language.
    HWND list = GetDlgItem(IDC_SCR_BACKGROUND);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    const auto& choices = BackgroundChoices();
    for (size_t i = 0; i < choices.size(); ++i) {
        const std::wstring& text = m_texts.Text(choices[i].text);
        LRESULT item = ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (item >= 0) ::SendMessageW(list, CB_SETITEMDATA, item, static_cast<LPARAM>(i));
    }
    const std::wstring current = m_settings.GetString(L"strBackground");
    int selection = 0;  // no exact match: the first item of the sorted list
    const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT item = 0; item < count; ++item) {
        const size_t choice = static_cast<size_t>(::SendMessageW(list, CB_GETITEMDATA, item, 0));
        if (choice < choices.size() && current == choices[choice].value) selection = static_cast<int>(item);
    }
    ::SendMessageW(list, CB_SETCURSEL, selection, 0);
}

void CDlgSettings::OnLanguageChosen() {
    std::wstring language;
    m_texts.GetSelectedLanguage(GetDlgItem(IDC_SCR_LANGUAGE), language);
    m_settings.SetString(L"strLanguage", language);
    m_settings.SaveAll();
    m_texts.Load(language);
    Relabel();
}

void CDlgSettings::OnBackgroundChosen() {
    HWND list = GetDlgItem(IDC_SCR_BACKGROUND);
    const LRESULT item = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) return;
    const size_t choice = static_cast<size_t>(::SendMessageW(list, CB_GETITEMDATA, item, 0));
    if (choice >= BackgroundChoices().size()) return;
    m_settings.SetString(L"strBackground", BackgroundChoices()[choice].value);
    m_settings.SaveAll();
}

bool CDlgSettings::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (code != CBN_SELCHANGE) return false;
    if (id == IDC_SCR_LANGUAGE) {
        OnLanguageChosen();
        return true;
    }
    if (id == IDC_SCR_BACKGROUND) {
        OnBackgroundChosen();
        return true;
    }
    return false;
}

bool CDlgSettings::OnNotify(NMHDR* hdr, LRESULT* result) {
    if (hdr->code != NM_CLICK && hdr->code != NM_RETURN) return false;
    if (hdr->idFrom != IDC_SCR_PRODUCT_LINK && hdr->idFrom != IDC_SCR_MAKER_LINK) return false;
    const ScreensaverLink link = hdr->idFrom == IDC_SCR_PRODUCT_LINK ? ScreensaverLink::Product : ScreensaverLink::Maker;
    const std::wstring address = ScreensaverLinkAddress(link, m_settings.GetString(L"strLanguage"));
    // A browser that fails to start is not worth a message.
    ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    *result = 0;
    return true;
}

}  // namespace screensaver
