#pragma once
// The two web pages the screensaver's settings window links to.
#include <string>

#define ORVANEL_SCR_PRODUCT_SITE L"https://orvanel.velmora-soft.com"
#define ORVANEL_SCR_MAKER_SITE L"https://www.velmora-soft.com"

enum class ScreensaverLink { Product, Maker };

// The site's root page; Russian readers get the page in their language.
std::wstring ScreensaverLinkAddress(ScreensaverLink link, const std::wstring& language);
