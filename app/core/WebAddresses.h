#pragma once
// Every web address the program opens. Changing a host is a one-line change.
#define ORVANEL_PRODUCT_SITE L"https://orvanel.velmora-soft.com"
#define ORVANEL_MAKER_SITE L"https://www.velmora-soft.com"
// The page about the embedded font (the same for every language).
#define ORVANEL_FONT_PAGE L"https://www.velmora-soft.com/fonts/sebastian-gothic-nbp/"
// The maker's other product, named in the Tools menu and in its page's query.
#define ORVANEL_OTHER_PRODUCT_NAME L"Velmora Pulsebar"
#define ORVANEL_OTHER_PRODUCT_KEY L"pulsebar"
