#include "screensaver/core/ScreensaverLinks.h"

std::wstring ScreensaverLinkAddress(ScreensaverLink link, const std::wstring& language) {
    std::wstring address = link == ScreensaverLink::Product ? ORVANEL_SCR_PRODUCT_SITE : ORVANEL_SCR_MAKER_SITE;
    address += L"/";
    if (language == L"Russian") address += L"?lng=ru";
    return address;
}
