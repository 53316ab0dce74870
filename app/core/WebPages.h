#pragma once
// The program's web pages and the rule that picks their address: the
// Russian variant when the chosen language is exactly "Russian".
#include <string>

enum class WebPage {
    ProductHome,      // Tools > Web App
    IpAddressLookup,  // Tools > Web App: IP Address Lookup
    Planet,           // Tools > Web App: Terravue
    WindowsApp,       // Help, Check for Updates (menu and notification icon)
    OtherProduct,     // Tools > the maker's other product
    MakerHome,        // About dialog: the maker's address
    FontPage,         // About dialog: the font credit
};

std::wstring WebPageAddress(WebPage page, const std::wstring& language);
