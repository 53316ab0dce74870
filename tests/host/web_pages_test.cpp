#include <gtest/gtest.h>

#include "app/core/WebAddresses.h"
#include "app/core/WebPages.h"

namespace {

TEST(WebPages, RussianVariantOnlyForTheExactName) {
    const std::wstring product = ORVANEL_PRODUCT_SITE, maker = ORVANEL_MAKER_SITE;
    struct Case {
        WebPage page;
        std::wstring english, russian;
    } cases[] = {
        {WebPage::ProductHome, product + L"/", product + L"/?lng=ru"},
        {WebPage::IpAddressLookup, product + L"/ip-address-lookup/", product + L"/ip-address-lookup/?lng=ru"},
        {WebPage::Planet, product + L"/planet/", product + L"/planet/?lng=ru"},
        {WebPage::WindowsApp, product + L"/windows-app", product + L"/windows-app/?lng=ru"},
        {WebPage::OtherProduct, maker + L"/?p=" ORVANEL_OTHER_PRODUCT_KEY,
         maker + L"/?p=" ORVANEL_OTHER_PRODUCT_KEY L"&lng=ru"},
        {WebPage::MakerHome, maker + L"/", maker + L"/?lng=ru"},
        {WebPage::FontPage, ORVANEL_FONT_PAGE, ORVANEL_FONT_PAGE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WebPageAddress(c.page, L"Russian"), c.russian);
        for (const wchar_t* other : {L"English", L"russian", L"RUSSIAN", L"Russian ", L""})
            EXPECT_EQ(WebPageAddress(c.page, other), c.english) << other;
        EXPECT_EQ(WebPageAddress(c.page, L"Russian").rfind(L"https://", 0), 0u);
    }
}

}  // namespace
