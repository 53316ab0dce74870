// The settings dialog in-process, and the colours every dialog answers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "app/AppMessages.h"
#include "resources/resource.h"
#include "settings/CAppearance.h"
#include "settings/CDlgSettings.h"
#include "tests/wine/support/Canvas.h"
#include "tests/wine/support/TestSupport.h"

namespace {

// Records the notices the settings dialog sends to the main window.
class NoticeWindow : public CWnd {
public:
    NoticeWindow() {
        m_hWnd = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ::SetWindowSubclass(m_hWnd, Proc, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~NoticeWindow() override { ::DestroyWindow(m_hWnd); }
    std::vector<UINT> notices;

private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
        if (msg >= WM_APP_LANGUAGE && msg <= WM_APP_WEI) reinterpret_cast<NoticeWindow*>(ref)->notices.push_back(msg);
        return ::DefSubclassProc(h, msg, wp, lp);
    }
};

class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.m_gdiplus.Startup();
        theApp.m_options.SetString(L"strLanguage", L"English");
        theApp.m_options.SetString(L"strFont", L"Sebastian Gothic NBP");
        theApp.m_translate.Load(L"English");
        theApp.SetAppFont(L"Sebastian Gothic NBP");
        ASSERT_NE(theApp.AppFont(), nullptr);
        ASSERT_TRUE(dlg.Create(IDD_SETTINGS, static_cast<HWND>(nullptr)));
    }
    void TearDown() override { dlg.DestroyWindow(); }

    void ChooseLanguage(const wchar_t* native) {
        HWND combo = dlg.GetDlgItem(IDC_SETTINGS_LANGUAGE);
        LRESULT index = ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(native));
        ASSERT_NE(index, CB_ERR) << "language file missing beside the test program";
        ::SendMessageW(combo, CB_SETCURSEL, index, 0);
        ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LANGUAGE, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    }
    int FontSelection() { return static_cast<int>(::SendMessageW(dlg.GetDlgItem(IDC_SETTINGS_FONT), CB_GETCURSEL, 0, 0)); }

    ScopedSettings settings;
    NoticeWindow mainWindow;
    CDlgSettings dlg{theApp.Context(), &mainWindow};
};

TEST_F(SettingsDialog, RussianDropsTheEmbeddedFontAndEnglishKeepsDefault) {
    EXPECT_EQ(FontSelection(), 1);
    ChooseLanguage(L"Русский");
    EXPECT_EQ(theApp.m_options.GetString(L"strLanguage"), L"Russian");
    EXPECT_EQ(theApp.m_options.GetString(L"strFont"), L"");
    EXPECT_EQ(theApp.AppFont(), nullptr);
    EXPECT_EQ(FontSelection(), 0);
    EXPECT_FALSE(::IsWindowEnabled(dlg.GetDlgItem(IDC_SETTINGS_FONT)));
    EXPECT_EQ(dlg.GetWindowText(), L"Настройки");
    EXPECT_EQ(mainWindow.notices, (std::vector<UINT>{WM_APP_FONT, WM_APP_LANGUAGE}));
    // Stored on disk at once.
    EXPECT_NE(ReadFileBytes(settings.File()).find("strFont=\r\n"), std::string::npos);

    ChooseLanguage(L"English");
    EXPECT_TRUE(::IsWindowEnabled(dlg.GetDlgItem(IDC_SETTINGS_FONT)));
    EXPECT_EQ(FontSelection(), 0);
    EXPECT_EQ(theApp.m_options.GetString(L"strFont"), L"");
    EXPECT_EQ(dlg.GetWindowText(), L"Settings");
}

TEST_F(SettingsDialog, DarkModeAndFontChoicesAreStoredAndAnnounced) {
    HWND dark = dlg.GetDlgItem(IDC_SETTINGS_DARK);
    const bool wasDark = ::IsDlgButtonChecked(dlg.m_hWnd, IDC_SETTINGS_DARK) == BST_CHECKED;
    ::SendMessageW(dark, BM_CLICK, 0, 0);
    EXPECT_EQ(theApp.m_options.GetBool(L"fDarkMode"), !wasDark);

    HWND fonts = dlg.GetDlgItem(IDC_SETTINGS_FONT);
    ::SendMessageW(fonts, CB_SETCURSEL, 0, 0);
    ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_FONT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));
    EXPECT_EQ(theApp.AppFont(), nullptr);
    ::SendMessageW(fonts, CB_SETCURSEL, 1, 0);
    ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_FONT, CBN_SELCHANGE), reinterpret_cast<LPARAM>(fonts));
    EXPECT_NE(theApp.AppFont(), nullptr);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(fonts, WM_GETFONT, 0, 0)), theApp.AppFont());
    EXPECT_EQ(mainWindow.notices, (std::vector<UINT>{WM_APP_DARKMODE, WM_APP_FONT, WM_APP_FONT}));
}

TEST(SettingsDialogLanguage, AnEmptyEnglishNameIsStoredAndLoadedLikeAnyOther) {
    ScopedSettings settings;
    theApp.m_gdiplus.Startup();
    const std::wstring folder = MakeTempDir(L"orvanel-lang");
    WriteUtf16File(folder + L"\\German.lng",
                   L"[Language]\r\nlang_en=German\r\nlang_native=Deutsch\r\n[Text]\r\n5=Einstellungen\r\n");
    WriteUtf16File(folder + L"\\Blank.lng", L"[Language]\r\nlang_en=\r\nlang_native=Blank\r\n");
    theApp.m_translate.SetFolder(folder);
    theApp.m_options.SetString(L"strLanguage", L"German");
    theApp.m_translate.Load(L"German");

    NoticeWindow mainWindow;
    {
        CDlgSettings dlg(theApp.Context(), &mainWindow);
        ASSERT_TRUE(dlg.Create(IDD_SETTINGS, static_cast<HWND>(nullptr)));
        EXPECT_EQ(dlg.GetWindowText(), L"Einstellungen");
        HWND combo = dlg.GetDlgItem(IDC_SETTINGS_LANGUAGE);
        const LRESULT blank =
            ::SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Blank"));
        ASSERT_NE(blank, CB_ERR);
        ::SendMessageW(combo, CB_SETCURSEL, blank, 0);
        ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_LANGUAGE, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo));

        EXPECT_NE(ReadFileBytes(settings.File()).find("strLanguage=\r\n"), std::string::npos);
        EXPECT_EQ(theApp.m_translate.CurrentLanguageFile(), folder + L"\\Blank.lng");
        // The file translates nothing: the built-in English texts.
        EXPECT_EQ(Text(5), L"Settings");
        EXPECT_EQ(dlg.GetWindowText(), L"Settings");
        EXPECT_EQ(mainWindow.notices, (std::vector<UINT>{WM_APP_LANGUAGE}));
        dlg.DestroyWindow();
    }
    // Opened again, the list shows the language in force.
    CDlgSettings again(theApp.Context(), &mainWindow);
    ASSERT_TRUE(again.Create(IDD_SETTINGS, static_cast<HWND>(nullptr)));
    EXPECT_EQ(again.GetDlgItemText(IDC_SETTINGS_LANGUAGE), L"Blank");
    again.DestroyWindow();
    RemoveTree(folder);
}

TEST(Appearance, DarkModeColoursValueFieldsLabelsAndTheTitle) {
    CAppearance look;
    look.AddValueFields({1110});
    look.AddTitles({1001});
    look.ApplyDarkMode(nullptr, true);
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    auto child = [&](int id) {
        return ::CreateWindowExW(0, L"STATIC", L"x", WS_CHILD, 0, 0, 10, 10, parent, reinterpret_cast<HMENU>(id),
                                 nullptr, nullptr);
    };
    HWND value = child(1110), label = child(1111), title = child(1001);
    HDC dc = ::CreateCompatibleDC(nullptr);

    EXPECT_EQ(look.CtlColor(dc, value, WM_CTLCOLORSTATIC), look.BlackBrush());
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 255, 0));
    EXPECT_EQ(::GetBkColor(dc), RGB(0, 0, 0));

    EXPECT_EQ(look.CtlColor(dc, label, WM_CTLCOLORSTATIC), ::GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);

    EXPECT_EQ(look.CtlColor(dc, title, WM_CTLCOLORSTATIC), ::GetStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 255, 0));

    EXPECT_EQ(look.CtlColor(dc, value, WM_CTLCOLOREDIT), look.BlackBrush());
    EXPECT_EQ(look.CtlColor(dc, parent, WM_CTLCOLORDLG), look.BlackBrush());  // no picture: black dialog

    look.ApplyDarkMode(nullptr, false);
    for (UINT kind : {WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORDLG})
        EXPECT_EQ(look.CtlColor(dc, value, kind), nullptr);

    ::DeleteDC(dc);
    ::DestroyWindow(parent);
}

TEST(Appearance, PictureFrameStaysVisibleAroundTheOverlay) {
    theApp.m_gdiplus.Startup();
    CAppearance look(CAppearance::Background::FramedPicture);
    look.LoadPicture();
    ASSERT_NE(look.Picture(), nullptr);
    EXPECT_EQ(look.Picture()->GetWidth(), 500u);

    Canvas canvas(200, 100);
    HDC dc = canvas.Dc();
    auto pixel = [&](int x, int y) { return canvas.At(x, y); };
    const RECT client{0, 0, 200, 100};

    look.ApplyDarkMode(nullptr, false);
    look.PaintBackground(dc, client);
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const uint32_t faceBgr = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    EXPECT_EQ(pixel(100, 50), faceBgr);  // inside: opaque face colour
    bool frameShowsPicture = false;
    for (int x = 0; x < 200 && !frameShowsPicture; ++x) frameShowsPicture = pixel(x, 4) != faceBgr;
    EXPECT_TRUE(frameShowsPicture);

    look.ApplyDarkMode(nullptr, true);
    look.PaintBackground(dc, client);
    const uint32_t inside = pixel(100, 50);
    EXPECT_LT(((inside >> 16) & 0xFF) + ((inside >> 8) & 0xFF) + (inside & 0xFF), 3u * 40);  // nearly black

}

}  // namespace
