// The typed settings store against the platform's own profile functions.
#include <gtest/gtest.h>

#include "settings/COptions.h"
#include "tests/wine/support/TestSupport.h"

namespace {

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempDir(L"orvanel-store");
        file = folder + L"\\settings.ini";
    }
    void TearDown() override { RemoveTree(folder); }
    void WriteIni(const char* text) {
        HANDLE f = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        ::WriteFile(f, text, static_cast<DWORD>(strlen(text)), &n, nullptr);
        ::CloseHandle(f);
    }
    std::wstring folder, file;
};

TEST_F(SettingsStore, ReadsBoolsAsProfileIntegers) {
    struct Case {
        const char* stored;
        bool expected;
    } cases[] = {{"yes", false}, {"2", true}, {"0", false}, {"1", true}, {"7abc", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        WriteIni((std::string("[Settings]\r\nfDarkMode=") + c.stored + "\r\n").c_str());
        COptions options;
        options.SetFile(file);
        options.Load();
        EXPECT_EQ(options.GetBool(L"fDarkMode"), c.expected);
    }
}

TEST_F(SettingsStore, MissingKeysKeepTheirDefaults) {
    WriteIni("[Settings]\r\nfDarkMode=0\r\n");
    COptions options;
    options.SetFile(file);
    options.Load();
    EXPECT_FALSE(options.GetBool(L"fDarkMode"));
    EXPECT_EQ(options.GetString(L"strLanguage"), L"English");
    EXPECT_EQ(options.GetString(L"strFont"), L"Sebastian Gothic NBP");
    EXPECT_FALSE(options.GetBool(L"fWidgetsEnable"));
    EXPECT_TRUE(options.GetBool(L"fFirstRun"));
    // Registration alone writes nothing.
    EXPECT_EQ(ReadFileBytes(file), "[Settings]\r\nfDarkMode=0\r\n");
}

TEST_F(SettingsStore, EmptyFontIsWrittenAndReadBackEmpty) {
    {
        COptions options;
        options.SetFile(file);
        options.Load();
        options.SetString(L"strFont", L"");
        options.SetBool(L"fFirstRun", false);
    }
    std::string ini = ReadFileBytes(file);
    EXPECT_NE(ini.find("strFont="), std::string::npos);
    EXPECT_NE(ini.find("fFirstRun=0"), std::string::npos);
    COptions next;
    next.SetFile(file);
    next.Load();
    EXPECT_EQ(next.GetString(L"strFont"), L"");
    EXPECT_FALSE(next.GetBool(L"fFirstRun"));
}

TEST_F(SettingsStore, ProfileKeysIgnoreCaseButNamesDoNot) {
    WriteIni("[Settings]\r\nSTRLANGUAGE=Russian\r\n");
    COptions options;
    options.SetFile(file);
    options.Load();
    EXPECT_EQ(options.GetString(L"strLanguage"), L"Russian");
    wchar_t untouched[256] = L"as before";
    options.GetString(L"STRLANGUAGE", untouched);
    EXPECT_STREQ(untouched, L"as before");
    EXPECT_FALSE(options.GetBool(L"fdarkmode"));
}

TEST_F(SettingsStore, LongValuesAreCutToTheCallersBuffer) {
    std::string longValue(400, 'x');
    WriteIni(("[Settings]\r\nstrLanguage=" + longValue + "\r\n").c_str());
    COptions options;
    options.SetFile(file);
    options.Load();
    wchar_t buffer[257];
    wmemset(buffer, L'#', 257);
    options.GetString(L"strLanguage", buffer);
    EXPECT_EQ(wcslen(buffer), 255u);
    EXPECT_EQ(buffer[256], L'#');  // nothing written past the 256 characters
}

}  // namespace
