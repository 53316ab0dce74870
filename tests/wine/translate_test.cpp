// Language files read through the platform's profile functions.
#include <gtest/gtest.h>

#include "settings/CTranslate.h"
#include "tests/wine/support/TestSupport.h"

namespace {

class Translate : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempDir(L"orvanel-lang");
        translate.SetFolder(folder);
    }
    void TearDown() override { RemoveTree(folder); }
    void Write(const wchar_t* name, const std::wstring& text) { WriteUtf16File(folder + L"\\" + name, text); }

    std::wstring folder;
    CTranslate translate;
};

TEST_F(Translate, SwitchingLanguagesLeavesNothingOfTheFormerOne) {
    Write(L"a.lng", L"[Language]\r\nlang_en=Alpha\r\n[Text]\r\n12=Alpha summary\r\n13=Alpha software\r\n");
    Write(L"b.lng", L"[Language]\r\nlang_en=Beta\r\n[Text]\r\n12=Beta summary\r\n");
    translate.Load(L"Alpha");
    EXPECT_EQ(translate.Text(13), L"Alpha software");
    translate.Load(L"Beta");
    EXPECT_EQ(translate.Text(12), L"Beta summary");
    EXPECT_EQ(translate.Text(13), L"Software");  // built-in, not Alpha's
    EXPECT_EQ(translate.CurrentLanguageFile(), folder + L"\\b.lng");
    translate.Load(L"Gamma");  // no such file: English throughout
    EXPECT_EQ(translate.Text(12), L"Summary");
    EXPECT_EQ(translate.CurrentLanguageFile(), L"");
    EXPECT_EQ(translate.Size(), 165u);
}

TEST_F(Translate, LineBreakEscapesBecomeControlCharacters) {
    Write(L"a.lng",
          L"[Language]\r\nlang_en=Alpha\r\n[Text]\r\n3=one\\ntwo\\r\\nthree\r\n4=C:\\x\\Network\r\n5=\"quoted\"\r\n");
    translate.Load(L"Alpha");
    EXPECT_EQ(translate.Text(3), L"one\ntwo\r\nthree");
    EXPECT_EQ(translate.Text(4), L"C:\\x\\Network");
    EXPECT_EQ(translate.Text(5), L"quoted");
}

TEST_F(Translate, ListsOnlyLanguageFilesAndMapsTheSelectionBack) {
    Write(L"one.lng", L"[Language]\r\nlang_en=One\r\nlang_native=Uno\r\n");
    Write(L"two.lng", L"[Language]\r\nlang_en=Two\r\n");
    Write(L"three.lng", L"[Language]\r\nlang_native=Tres\r\n");
    Write(L"four.lngx", L"[Language]\r\nlang_en=Four\r\nlang_native=Cuatro\r\n");
    Write(L"five.txt", L"[Language]\r\nlang_en=Five\r\nlang_native=Cinco\r\n");

    HWND combo = ::CreateWindowExW(0, L"COMBOBOX", L"", CBS_DROPDOWNLIST, 0, 0, 100, 200, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(combo, nullptr);
    translate.FillLanguageCombo(combo, L"Two");
    const std::vector<std::wstring> files = translate.LanguageFiles();
    ASSERT_EQ(files.size(), 3u);
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 3);

    // Whatever the folder's order, position k of the list is file k, and
    // choosing it gives back that file's English name.
    for (int k = 0; k < 3; ++k) {
        wchar_t shown[64] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(shown));
        const std::wstring expectedNative = ReadLanguageValue(files[k], L"Language", L"lang_native", L"Unknown");
        EXPECT_EQ(shown, expectedNative);
        ::SendMessageW(combo, CB_SETCURSEL, k, 0);
        std::wstring english;
        translate.GetSelectedLanguage(combo, english);
        EXPECT_EQ(english, ReadLanguageValue(files[k], L"Language", L"lang_en", L"Unknown"));
    }
    // The current language was selected; the file without a native name is "Unknown".
    bool sawUnknown = false;
    for (int k = 0; k < 3; ++k) {
        wchar_t shown[64] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, k, reinterpret_cast<LPARAM>(shown));
        sawUnknown = sawUnknown || std::wstring(shown) == L"Unknown";
    }
    EXPECT_TRUE(sawUnknown);

    // Without a selection the output stays as it was.
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    std::wstring untouched = L"kept";
    translate.GetSelectedLanguage(combo, untouched);
    EXPECT_EQ(untouched, L"kept");
    ::DestroyWindow(combo);
}

TEST_F(Translate, FillSelectsTheCurrentLanguage) {
    Write(L"one.lng", L"[Language]\r\nlang_en=One\r\nlang_native=Uno\r\n");
    Write(L"two.lng", L"[Language]\r\nlang_en=Two\r\nlang_native=Dos\r\n");
    HWND combo = ::CreateWindowExW(0, L"COMBOBOX", L"", CBS_DROPDOWNLIST, 0, 0, 100, 200, nullptr, nullptr,
                                   nullptr, nullptr);
    translate.FillLanguageCombo(combo, L"Two");
    LRESULT sel = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    ASSERT_NE(sel, CB_ERR);
    wchar_t shown[64] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(shown));
    EXPECT_STREQ(shown, L"Dos");
    ::DestroyWindow(combo);
}

}  // namespace
