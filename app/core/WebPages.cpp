#include "app/core/WebPages.h"

#include "app/core/WebAddresses.h"

std::wstring WebPageAddress(WebPage page, const std::wstring& language) {
    const bool ru = language == L"Russian";
    const std::wstring product = ORVANEL_PRODUCT_SITE;
    const std::wstring maker = ORVANEL_MAKER_SITE;
    switch (page) {
        case WebPage::ProductHome: return product + (ru ? L"/?lng=ru" : L"/");
        case WebPage::IpAddressLookup: return product + (ru ? L"/ip-address-lookup/?lng=ru" : L"/ip-address-lookup/");
        case WebPage::Planet: return product + (ru ? L"/planet/?lng=ru" : L"/planet/");
        case WebPage::WindowsApp: return product + (ru ? L"/windows-app/?lng=ru" : L"/windows-app");
        case WebPage::OtherProduct:
            return maker + L"/?p=" + ORVANEL_OTHER_PRODUCT_KEY + (ru ? L"&lng=ru" : L"");
        case WebPage::MakerHome: return maker + (ru ? L"/?lng=ru" : L"/");
        case WebPage::FontPage: return ORVANEL_FONT_PAGE;
    }
    return product + L"/";
}
