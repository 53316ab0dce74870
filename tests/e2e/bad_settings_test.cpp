// The program started on a damaged or unwritable settings file: it starts,
// shows its sections, closes normally, and what the user's file held is
// still there (a first run adds its own entries to it).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/e2e/support/Process.h"

namespace {

std::string Garbage(size_t n) {
    std::string out;
    uint32_t x = 987654321;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        out.push_back(static_cast<char>(x >> 23));
    }
    return out;
}

enum class Place { File, ReadOnlyFile, Folder };

TEST(BadSettings, ProgramStartsRunsAndLeavesTheFileAlone) {
    const std::string longLine = "strFont=" + std::string(100000, 'x') + "\r\n";
    struct Case {
        const char* name;
        std::string content;
        Place place;
        std::vector<std::string> kept;
    } cases[] = {
        {"value of 100000 characters", "[Settings]\r\n" + longLine + "fDarkMode=0\r\nuserKey=keep me\r\n", Place::File,
         {longLine, "fDarkMode=0\r\nuserKey=keep me\r\n"}},
        {"binary garbage", Garbage(8192), Place::File, {}},
        {"no Settings section", "[Other]\r\nfDarkMode=0\r\n", Place::File, {"[Other]\r\nfDarkMode=0\r\n"}},
        {"duplicate keys", "[Settings]\r\nfDarkMode=0\r\nfDarkMode=1\r\nstrLanguage=Nowhere\r\n", Place::File,
         {"fDarkMode=0\r\nfDarkMode=1\r\nstrLanguage=Nowhere\r\n"}},
        {"read-only file", "[Settings]\r\nfDarkMode=0\r\nuserKey=keep me\r\n", Place::ReadOnlyFile,
         {"fDarkMode=0\r\nuserKey=keep me\r\n"}},
        {"a folder where the file belongs", "", Place::Folder, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring appData = MakeTempFolder(L"orvanel-badini");
        const std::wstring folder = appData + L"\\Velmora\\Orvanel";
        ::CreateDirectoryW((appData + L"\\Velmora").c_str(), nullptr);
        ::CreateDirectoryW(folder.c_str(), nullptr);
        const std::wstring file = folder + L"\\settings.ini";
        if (c.place == Place::Folder) {
            ::CreateDirectoryW(file.c_str(), nullptr);
        } else {
            WriteFileBytes(file, c.content);
            if (c.place == Place::ReadOnlyFile) ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        {
            OrvanelProcess app(L"", appData);
            HWND main = app.WaitForWindow(L"#32770", L"Orvanel", 20000);
            ASSERT_NE(main, nullptr);
            // The window can be found while it is still being set up: wait for its tree.
            size_t sections = 0;
            for (DWORD end = ::GetTickCount() + 10000; static_cast<LONG>(end - ::GetTickCount()) > 0; ::Sleep(100))
                if ((sections = TreeItemTexts(::GetDlgItem(main, 1000), app.Pid()).size()) == 9) break;
            EXPECT_EQ(sections, 9u);
            ::Sleep(1000);  // let it run a moment: start-up work, the first timer ticks
            EXPECT_FALSE(app.WaitForExit(0));
            ::PostMessageW(main, WM_CLOSE, 0, 0);
            EXPECT_TRUE(app.WaitForExit(15000));
        }
        if (c.place == Place::Folder) {
            EXPECT_TRUE(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
        } else {
            const std::string after = ReadFileBytes(file);
            for (const auto& k : c.kept) EXPECT_NE(after.find(k), std::string::npos) << k.substr(0, 60);
        }
        ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        RemoveFolder(appData);
    }
}

}  // namespace
