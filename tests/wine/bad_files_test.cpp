// Settings and language files that are damaged, odd or unwritable, read and
// written through the platform's own profile functions: the program falls
// back to its defaults or its English texts and never loses or garbles what
// else the user's file holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/CAppFont.h"
#include "settings/COptions.h"
#include "settings/CTranslate.h"
#include "tests/wine/support/TestSupport.h"

namespace {

// Bytes that are no INI text: NULs, stray brackets and equals signs, lone
// line ends and high bytes (a fixed sequence, so failures repeat).
std::string Garbage(size_t n) {
    std::string out;
    uint32_t x = 12345;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        out.push_back(static_cast<char>(x >> 23));
    }
    return out;
}

const std::string kLongValue(100000, 'x');

enum class Place { File, ReadOnlyFile, LockedFile, Folder };

struct SettingsCase {
    const char* name;
    std::string content;
    Place place;
    const wchar_t* language;
    bool dark;
    std::wstring font;
    // What the file must still hold after the program changed a setting.
    std::vector<std::string> kept;
};

const std::wstring kDefaultFont = kEmbeddedFontFace;

std::vector<SettingsCase> SettingsCases() {
    const std::string user = "[Settings]\r\nstrLanguage=Russian\r\nfDarkMode=0\r\nuserKey=keep me\r\n";
    return {
        {"value of 100000 characters",
         "[Settings]\r\nstrFont=" + kLongValue + "\r\nstrLanguage=Russian\r\nfDarkMode=0\r\nuserKey=keep me\r\n",
         Place::File, L"Russian", false, std::wstring(259, L'x'),  // the store reads 259 characters
         {"strFont=" + kLongValue + "\r\n", "strLanguage=Russian", "userKey=keep me"}},
        {"line of 100000 characters before the settings",
         "[Settings]\r\n" + kLongValue + "\r\nstrLanguage=Russian\r\nfDarkMode=0\r\n", Place::File, L"Russian",
         false, kDefaultFont, {kLongValue + "\r\n", "strLanguage=Russian"}},
        {"binary garbage", Garbage(4096), Place::File, L"English", true, kDefaultFont, {}},
        {"garbage after the settings", user + Garbage(2048), Place::File, L"Russian", false, kDefaultFont,
         {"strLanguage=Russian", "userKey=keep me"}},
        {"no Settings section", "[Other]\r\nstrLanguage=Russian\r\nfDarkMode=0\r\n", Place::File, L"English", true,
         kDefaultFont, {"[Other]\r\nstrLanguage=Russian\r\nfDarkMode=0\r\n"}},
        {"duplicate keys: the first counts",
         "[Settings]\r\nstrLanguage=Russian\r\nfDarkMode=0\r\nstrLanguage=German\r\nfDarkMode=1\r\n", Place::File,
         L"Russian", false, kDefaultFont, {"strLanguage=Russian", "strLanguage=German"}},
        // Whether a read-only file takes the change depends on who runs the
        // program (an administrator's write goes through under Wine).
        {"read-only file", user, Place::ReadOnlyFile, L"Russian", false, kDefaultFont,
         {"strLanguage=Russian\r\nfDarkMode=0\r\nuserKey=keep me\r\n"}},
        {"file held open by another program", user, Place::LockedFile, L"Russian", false, kDefaultFont, {user}},
        {"a folder where the file belongs", "", Place::Folder, L"English", true, kDefaultFont, {}},
    };
}

class BadSettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempDir(L"orvanel-bad");
        file = folder + L"\\settings.ini";
    }
    void TearDown() override {
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveTree(folder);
    }
    std::wstring folder, file;
};

TEST_F(BadSettingsFile, GivesDefaultsAndKeepsTheRestOfTheFile) {
    for (const auto& c : SettingsCases()) {
        SCOPED_TRACE(c.name);
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::RemoveDirectoryW(file.c_str());
        ::DeleteFileW(file.c_str());
        if (c.place == Place::Folder) {
            ASSERT_TRUE(::CreateDirectoryW(file.c_str(), nullptr));
        } else {
            WriteFileBytes(file, c.content);
            if (c.place == Place::ReadOnlyFile) ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        const std::string before = ReadFileBytes(file);

        COptions options;
        options.SetFile(file);
        options.Load();
        EXPECT_EQ(options.GetString(L"strLanguage"), c.language);
        EXPECT_EQ(options.GetBool(L"fDarkMode"), c.dark);
        EXPECT_EQ(options.GetString(L"strFont"), c.font.substr(0, 255));
        EXPECT_FALSE(options.GetBool(L"fWidgetsEnable"));

        // A change is written at once; where it cannot be, the program goes
        // on with it in memory.
        HANDLE lock = INVALID_HANDLE_VALUE;
        if (c.place == Place::LockedFile)
            lock = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        options.SetBool(L"fWidgetsEnable", true);
        EXPECT_TRUE(options.GetBool(L"fWidgetsEnable"));
        if (lock != INVALID_HANDLE_VALUE) ::CloseHandle(lock);

        const std::string after = ReadFileBytes(file);
        for (const auto& k : c.kept) EXPECT_NE(after.find(k), std::string::npos) << k.substr(0, 60);
        COptions next;
        next.SetFile(file);
        next.Load();
        switch (c.place) {
            case Place::File:
                EXPECT_TRUE(next.GetBool(L"fWidgetsEnable"));
                EXPECT_EQ(next.GetString(L"strLanguage"), c.language);
                break;
            case Place::ReadOnlyFile:
                EXPECT_EQ(next.GetString(L"strLanguage"), c.language);
                break;
            case Place::LockedFile:
                EXPECT_EQ(after, before);
                EXPECT_FALSE(next.GetBool(L"fWidgetsEnable"));
                break;
            case Place::Folder:
                EXPECT_TRUE(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
                EXPECT_FALSE(next.GetBool(L"fWidgetsEnable"));
                break;
        }
    }
}

// ---- language files -------------------------------------------------------

std::string Utf16Le(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) {
        out.push_back(static_cast<char>(ch & 0xFF));
        out.push_back(static_cast<char>((ch >> 8) & 0xFF));
    }
    return out;
}

std::string Utf16Be(const std::wstring& text) {
    std::string out;
    for (wchar_t ch : text) {
        out.push_back(static_cast<char>((ch >> 8) & 0xFF));
        out.push_back(static_cast<char>(ch & 0xFF));
    }
    return out;
}

std::string Utf8(const std::wstring& text) {
    std::string out(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr),
                    '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), &out[0],
                          static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

const std::string kBom16 = "\xFF\xFE";

struct LanguageCase {
    const char* name;
    std::string bytes;
    bool listed;          // the file is offered in the language lists
    bool chosen;          // and taken for the language
    std::wstring text12;  // index 12 ("Summary" built in)
    std::wstring text13;  // index 13 ("Software" built in)
};

std::vector<LanguageCase> LanguageCases() {
    const std::wstring head = L"[Language]\r\nlang_en=Alpha\r\n[Text]\r\n";
    const std::wstring ascii = head + L"12=Alpha summary\r\n13=Alpha software\r\n";
    const std::wstring cyrillic = head + L"12=Альфа\r\n13=Alpha software\r\n";
    return {
        {"missing keys", kBom16 + Utf16Le(head + L"13=Alpha software\r\n"), true, true, L"Summary", L"Alpha software"},
        {"no Text section", kBom16 + Utf16Le(L"[Language]\r\nlang_en=Alpha\r\n"), true, true, L"Summary", L"Software"},
        {"value of 100000 characters: cut to the reader's 1023",
         kBom16 + Utf16Le(head + L"12=" + std::wstring(100000, L'y') + L"\r\n13=Alpha software\r\n"), true, true,
         std::wstring(1023, L'y'), L"Alpha software"},
        {"empty value", kBom16 + Utf16Le(head + L"12=\r\n13=Alpha software\r\n"), true, true, L"", L"Alpha software"},
        {"UTF-16 without byte-order mark: unreadable, English", Utf16Le(ascii), false, false, L"Summary", L"Software"},
        {"binary garbage", Garbage(3000), false, false, L"Summary", L"Software"},
        {"UTF-8 without byte-order mark, plain ASCII: read as the system code page", Utf8(ascii), true, true,
         L"Alpha summary", L"Alpha software"},
        {"empty file", "", true, false, L"Summary", L"Software"},
        // Encodings the profile reader takes differently on each platform,
        // or as mangled text: the file is left alone.
        {"UTF-16 big-endian with its byte-order mark", "\xFE\xFF" + Utf16Be(cyrillic), false, false, L"Summary",
         L"Software"},
        {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF" + Utf8(cyrillic), false, false, L"Summary", L"Software"},
        {"UTF-8 without byte-order mark, Cyrillic", Utf8(cyrillic), false, false, L"Summary", L"Software"},
        {"UTF-16 byte-order mark before UTF-8 text", kBom16 + Utf8(ascii), true, false, L"Summary", L"Software"},
    };
}

class BadLanguageFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempDir(L"orvanel-badlng");
        translate.SetFolder(folder);
    }
    void TearDown() override { RemoveTree(folder); }
    std::wstring folder;
    CTranslate translate;
};

TEST_F(BadLanguageFile, GivesTheFilesTextsOrTheBuiltInOnes) {
    for (const auto& c : LanguageCases()) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(folder + L"\\alpha.lng", c.bytes);
        translate.Load(L"Alpha");
        EXPECT_EQ(translate.CurrentLanguageFile().empty(), !c.chosen);
        EXPECT_EQ(translate.Text(12), c.text12);
        EXPECT_EQ(translate.Text(13), c.text13);
        EXPECT_EQ(translate.Text(14), CTranslate::BuiltInText(14));
        EXPECT_EQ(translate.Size(), 165u);
        EXPECT_EQ(translate.LanguageFiles().size(), c.listed ? 1u : 0u);
    }
}

}  // namespace
