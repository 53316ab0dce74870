#include "pages/CDeviceCombo.h"

#include "pages/core/DevicePageText.h"

int CDeviceCombo::Fill(const std::vector<std::wstring>& items) {
    SendMessage(CB_RESETCONTENT);
    for (size_t i = 0; i < items.size(); ++i) {
        const std::wstring text = DeviceEntry(items, static_cast<int>(i));
        SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessage(CB_SETCURSEL, 0);
    TakeSelection();
    return m_selection;
}

void CDeviceCombo::ShowPlaceholder(const std::wstring& text) {
    SendMessage(CB_RESETCONTENT);
    SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessage(CB_SETCURSEL, 0);
}

void CDeviceCombo::TakeSelection() {
    const LRESULT selection = SendMessage(CB_GETCURSEL);
    m_selection = selection == CB_ERR ? -1 : static_cast<int>(selection);
}

bool CDeviceCombo::OnChildNotify(UINT msg, WPARAM wp, LPARAM, LRESULT* result) {
    if (msg != WM_COMMAND || HIWORD(wp) != CBN_EDITCHANGE) return false;
    RestoreChosenText();
    *result = 0;
    return true;
}

void CDeviceCombo::RestoreChosenText() {
    if (m_selection == -1) return;
    const LRESULT len = SendMessage(CB_GETLBTEXTLEN, m_selection);
    if (len == CB_ERR) return;
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    SendMessage(CB_GETLBTEXT, m_selection, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(len));
    SetWindowText(text);
    // Typing also dropped the list's selection; the open list shows the device again.
    SendMessage(CB_SETCURSEL, m_selection);
}
