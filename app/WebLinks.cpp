#include "app/WebLinks.h"

#include <windows.h>
#include <shellapi.h>

#include "app/COrvanelApp.h"

void OpenWebPage(WebPage page) {
    std::wstring address = WebPageAddress(page, Options().GetString(L"strLanguage"));
    ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}
