#include "pages/DeviceCombo.h"

#include "pages/core/DevicePageText.h"

int FillDeviceCombo(HWND combo, const std::vector<std::wstring>& items) {
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (size_t i = 0; i < items.size(); ++i) {
        const std::wstring text = DeviceEntry(items, static_cast<int>(i));
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return static_cast<int>(::SendMessageW(combo, CB_GETCURSEL, 0, 0));
}
