// Entry point of orvanel-showcase.exe (see ShowcaseRegistry.h).
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "app/COrvanelApp.h"
#include "tools/showcase/ShowcaseRegistry.h"

std::vector<ShowcaseItem>& ShowcaseItems() {
    static std::vector<ShowcaseItem> items;
    return items;
}

ShowcaseEntry::ShowcaseEntry(const wchar_t* name, std::function<void()> show) {
    ShowcaseItems().push_back({name, std::move(show)});
}

namespace {

class CShowcaseApp : public COrvanelApp {
public:
    BOOL InitInstance() override {
        int argc = 0;
        wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
        std::wstring window = argc > 1 ? argv[1] : L"";
        bool dark = argc > 2 ? std::wstring(argv[2]) != L"light" : true;
        std::wstring language = argc > 3 ? argv[3] : L"English";
        std::wstring font = argc > 4 ? argv[4] : L"Sebastian Gothic NBP";
        ::LocalFree(argv);

        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
        ::InitCommonControlsEx(&icc);

        // Settings live in memory only: nothing of the user's is touched.
        m_options.SetBool(L"fDarkMode", dark);
        m_options.SetString(L"strLanguage", language);
        m_options.SetString(L"strFont", font);
        m_translate.Load(language);
        if (!font.empty()) SetAppFont(font);
        m_gdiplus.Startup();

        for (const auto& item : ShowcaseItems()) {
            if (item.name == window) {
                item.show();
                m_gdiplus.Shutdown();
                return FALSE;
            }
        }
        std::wstring names = L"Windows:";
        for (const auto& item : ShowcaseItems()) names += L" " + item.name;
        ::MessageBoxW(nullptr, names.c_str(), L"orvanel-showcase", MB_OK);
        m_gdiplus.Shutdown();
        return FALSE;
    }
};

CShowcaseApp theApp;

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmdLine, int) { return theApp.Run(instance, cmdLine); }
