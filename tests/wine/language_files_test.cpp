// The language files that ship next to the program, read with the same
// profile functions the program reads them with. A file that the profile
// reader sees differently from what its author wrote (wrong encoding, a lost
// quotation mark, a missing index) would silently show English or garbage in
// one window, so every shipped file is checked as a whole.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kTextCount = 165;           // built-in texts 0..164
constexpr size_t kTextBuffer = 1024;      // what the text loader reads a value into
constexpr size_t kWidgetTitleBuffer = 256;  // what the widget manager reads a title into

const wchar_t* const kWidgetKinds[] = {
    L"AudioPeakMeter", L"AudioPeakMeterWithArrow", L"AudioPeakMeterHistory",
    L"CPUUsage", L"CPUUsageWithArrow", L"CPUUsageHistory",
    L"DateTime", L"Drives", L"EventsLogApps", L"EventsLogSystem",
    L"GPUUsage", L"GPUUsageWithArrow", L"GPUUsageHistory",
    L"Keyboard",
    L"MemoryUsage", L"MemoryUsageWithArrow", L"MemoryUsageHistory",
    L"Mouse",
    L"NetworkUsage", L"NetworkUsageWithArrow", L"NetworkUsageHistory",
    L"OperatingSystem", L"Specs",
    L"StorageUsage", L"StorageUsageWithArrow", L"StorageUsageHistory",
    L"WirelessAvailableNetworks",
};

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

struct LanguageFile {
    std::wstring name;  // file name only, for messages
    std::wstring path;
};

std::vector<LanguageFile> ShippedLanguageFiles() {
    std::vector<LanguageFile> files;
    const std::wstring folder = ProgramFolder();
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((folder + L"\\*.lng").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return files;
    do {
        files.push_back({found.cFileName, folder + L"\\" + found.cFileName});
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return files;
}

struct Entry {
    std::wstring key;
    std::wstring value;
    bool hasEquals;
};

// Every line of a section as the profile reader hands it out, raw: nothing
// stripped, duplicates and lines without '=' included.
std::vector<Entry> ReadSection(const std::wstring& path, const wchar_t* section) {
    std::vector<wchar_t> buffer(16384);
    for (;;) {
        DWORD n = GetPrivateProfileSectionW(section, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
        if (n < buffer.size() - 2) break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<Entry> entries;
    for (const wchar_t* line = buffer.data(); *line; line += wcslen(line) + 1) {
        std::wstring text = line;
        size_t equals = text.find(L'=');
        if (equals == std::wstring::npos)
            entries.push_back({text, L"", false});
        else
            entries.push_back({text.substr(0, equals), text.substr(equals + 1), true});
    }
    return entries;
}

// A value the way the program looks it up.
std::wstring ReadValue(const std::wstring& path, const wchar_t* section, const std::wstring& key,
                       const wchar_t* fallback = L"") {
    std::vector<wchar_t> buffer(kTextBuffer);
    GetPrivateProfileStringW(section, key.c_str(), fallback, buffer.data(), static_cast<DWORD>(buffer.size()),
                             path.c_str());
    return buffer.data();
}

std::wstring BuiltInText(UINT id) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, length) : std::wstring();
}

size_t Ampersands(const std::wstring& s) {
    size_t n = 0;
    for (wchar_t c : s) n += c == L'&';
    return n;
}

TEST(LanguageFiles, ShipEveryLanguageUnderTheEnglishNameTheProgramComparesWith) {
    // "Russian" and "Chinese" switch the font choice off and "Russian" picks
    // the localised web pages, by exact comparison; the native name is what
    // the language list shows.
    struct Expected {
        const wchar_t* file;
        const wchar_t* english;
        const wchar_t* native;
    };
    const Expected expected[] = {
        {L"English.lng", L"English", L"English"},   {L"Russian.lng", L"Russian", L"Русский"},
        {L"Chinese.lng", L"Chinese", L"简体中文"},  {L"German.lng", L"German", L"Deutsch"},
        {L"French.lng", L"French", L"Français"},    {L"Spanish.lng", L"Spanish", L"Español"},
    };
    const std::vector<LanguageFile> files = ShippedLanguageFiles();
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.file);
        const std::wstring path = ProgramFolder() + L"\\" + e.file;
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ADD_FAILURE() << "not next to the program";
            continue;
        }
        EXPECT_EQ(ReadValue(path, L"Language", L"lang_en", L"Unknown"), e.english);
        EXPECT_EQ(ReadValue(path, L"Language", L"lang_native", L"Unknown"), e.native);
    }

    // Two files with one English name: the second could be listed but never loaded.
    std::map<std::wstring, std::wstring> owner;
    for (const LanguageFile& file : files) {
        const std::wstring english = ReadValue(file.path, L"Language", L"lang_en", L"Unknown");
        auto inserted = owner.emplace(english, file.name);
        EXPECT_TRUE(inserted.second) << file.name.c_str() << " and " << inserted.first->second.c_str()
                                     << " share the English name";
    }
}

TEST(LanguageFiles, EveryFileHasEveryTextAndWidgetTitleAndNothingElse) {
    std::set<std::wstring> textKeys;
    for (int i = 0; i < kTextCount; ++i) textKeys.insert(std::to_wstring(i));
    std::set<std::wstring> widgetKeys;
    for (const wchar_t* kind : kWidgetKinds) widgetKeys.insert(std::wstring(L"Widget") + kind);

    const std::vector<LanguageFile> files = ShippedLanguageFiles();
    ASSERT_FALSE(files.empty()) << "no *.lng next to the program";
    for (const LanguageFile& file : files) {
        SCOPED_TRACE(file.name.c_str());

        std::set<std::wstring> seen;
        for (const Entry& e : ReadSection(file.path, L"Language")) {
            EXPECT_TRUE(e.key == L"lang_en" || e.key == L"lang_native") << "stray key " << e.key.c_str();
            EXPECT_TRUE(seen.insert(e.key).second) << "duplicate key " << e.key.c_str();
            EXPECT_FALSE(e.value.empty()) << e.key.c_str();
        }
        EXPECT_EQ(seen.size(), 2u) << "lang_en or lang_native is missing";

        seen.clear();
        for (const Entry& e : ReadSection(file.path, L"Text")) {
            SCOPED_TRACE(e.key.c_str());
            const bool isText = textKeys.count(e.key) > 0;
            const bool isWidget = widgetKeys.count(e.key) > 0;
            EXPECT_TRUE(e.hasEquals && (isText || isWidget)) << "stray line";
            EXPECT_TRUE(seen.insert(e.key).second) << "duplicate key";
            EXPECT_FALSE(e.value.empty());
            EXPECT_LT(e.value.size(), isWidget ? kWidgetTitleBuffer : kTextBuffer);
            // What the program reads must be exactly what was written: the
            // reader strips surrounding quotation marks and white space.
            EXPECT_EQ(ReadValue(file.path, L"Text", e.key), e.value);
            // \r and \n become line breaks; no text is meant to have one.
            EXPECT_EQ(e.value.find(L'\\'), std::wstring::npos) << "backslash in a one-line text";
            // An "&" marks an accelerator in menus and labels: one too many
            // eats a character, one too few drops the menu's access key.
            const std::wstring english = isText ? BuiltInText(std::stoi(e.key)) : L"";
            EXPECT_EQ(Ampersands(e.value), Ampersands(english)) << "English: " << english.c_str();
        }
        for (const std::wstring& key : textKeys) EXPECT_TRUE(seen.count(key)) << "missing text " << key.c_str();
        for (const std::wstring& key : widgetKeys) EXPECT_TRUE(seen.count(key)) << "missing " << key.c_str();
    }
}

// One file's bytes; a helper so that a fatal failure stops only this file.
void ExpectUtf16WithCrlf(const LanguageFile& file) {
    SCOPED_TRACE(file.name.c_str());
    std::ifstream in(file.path.c_str(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(bytes.size(), 2u);
    ASSERT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2)) << "no UTF-16 little-endian byte-order mark";
    ASSERT_EQ(bytes.size() % 2, 0u) << "odd length";

    std::wstring text;
    for (size_t i = 2; i < bytes.size(); i += 2)
        text += static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    EXPECT_EQ(text.find(L'\0'), std::wstring::npos);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == L'\r') << "bare LF at character " << i;
        }
        if (text[i] == L'\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == L'\n') << "bare CR at character " << i;
        }
    }
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), L"\r\n") << "last line unterminated";
}

TEST(LanguageFiles, AreUtf16WithByteOrderMarkAndCrlfLineEnds) {
    // Without the byte-order mark the profile reader decodes the file in the
    // user's ANSI code page and every non-Latin text turns into question marks.
    for (const LanguageFile& file : ShippedLanguageFiles()) ExpectUtf16WithCrlf(file);
}

TEST(LanguageFiles, EnglishFileCarriesTheBuiltInTexts) {
    // Choosing English in the language list must give back exactly the texts
    // the program starts with.
    const std::wstring path = ProgramFolder() + L"\\English.lng";
    for (int i = 0; i < kTextCount; ++i) {
        SCOPED_TRACE(i);
        const std::wstring builtIn = BuiltInText(i);
        ASSERT_FALSE(builtIn.empty()) << "the built-in table ends before " << kTextCount;
        EXPECT_EQ(ReadValue(path, L"Text", std::to_wstring(i)), builtIn);
    }
    // Texts beyond what the files translate would stay English in every language.
    EXPECT_TRUE(BuiltInText(kTextCount).empty()) << "the built-in table has grown beyond " << kTextCount;
}

}  // namespace
