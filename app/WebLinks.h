#pragma once
// Opens one of the program's web pages in the user's browser, in the
// language the user chose.
#include "app/core/WebPages.h"

void OpenWebPage(WebPage page);
