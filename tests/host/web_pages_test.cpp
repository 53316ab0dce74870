#include <gtest/gtest.h>

#include "app/core/WebPages.h"

namespace {

TEST(WebPages, RussianVariantOnlyForTheExactName) {
    struct Case {
        WebPage page;
        const wchar_t* english;
        const wchar_t* russian;
    } cases[] = {
        {WebPage::ProductHome, L"https://orvanel.velmora-soft.com/", L"https://orvanel.velmora-soft.com/?lng=ru"},
        {WebPage::IpAddressLookup, L"https://orvanel.velmora-soft.com/ip-address-lookup/",
         L"https://orvanel.velmora-soft.com/ip-address-lookup/?lng=ru"},
        {WebPage::Planet, L"https://orvanel.velmora-soft.com/planet/", L"https://orvanel.velmora-soft.com/planet/?lng=ru"},
        {WebPage::WindowsApp, L"https://orvanel.velmora-soft.com/windows-app",
         L"https://orvanel.velmora-soft.com/windows-app/?lng=ru"},
        {WebPage::OtherProduct, L"https://www.velmora-soft.com/?p=pulsebar",
         L"https://www.velmora-soft.com/?p=pulsebar&lng=ru"},
        {WebPage::MakerHome, L"https://www.velmora-soft.com/", L"https://www.velmora-soft.com/?lng=ru"},
        {WebPage::FontPage, L"https://www.velmora-soft.com/fonts/sebastian-gothic-nbp/",
         L"https://www.velmora-soft.com/fonts/sebastian-gothic-nbp/"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WebPageAddress(c.page, L"Russian"), c.russian);
        for (const wchar_t* other : {L"English", L"russian", L"RUSSIAN", L"Russian ", L""})
            EXPECT_EQ(WebPageAddress(c.page, other), c.english) << other;
    }
}

}  // namespace
