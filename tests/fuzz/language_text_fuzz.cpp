// A language file is whatever the folder holds: deciding whether to read
// it, unescaping its values and filling the text table from them must keep
// every index and end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/core/LanguageFileEncoding.h"
#include "settings/core/TextTable.h"
#include "settings/core/TextUnescape.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        const std::vector<uint8_t> head(data, data + (size < kLanguageFileProbeBytes ? size : kLanguageFileProbeBytes));
        IsReadableLanguageFile(head.data(), head.size());
    }
    const std::wstring text = WideFromBytes(data, size);
    const std::wstring plain = UnescapeLanguageText(text);
    // Each escape gets one character shorter; nothing else changes length.
    if (plain.size() > text.size()) __builtin_trap();

    // The file's values: the text cut at each '|' (no piece means the file
    // has no such key); the built-in table has a fixed number of texts.
    std::vector<std::wstring> values;
    for (size_t start = 0;;) {
        const size_t bar = text.find(L'|', start);
        values.push_back(text.substr(start, bar == std::wstring::npos ? std::wstring::npos : bar - start));
        if (bar == std::wstring::npos) break;
        start = bar + 1;
    }
    const unsigned builtInCount = 40;
    auto builtIn = [](unsigned i) { return i < builtInCount ? L"text " + std::to_wstring(i) : std::wstring(); };
    auto fromFile = [&values](unsigned i, const std::wstring& fallback) {
        return i < values.size() ? values[i] : fallback;
    };
    std::vector<std::wstring> table(size % 64, L"stale");
    FillTextTable(table, builtIn, fromFile);
    if (table.size() < builtInCount) __builtin_trap();
    for (unsigned i = 0; i < builtInCount; ++i)
        if (i >= values.size() && table[i] != builtIn(i)) __builtin_trap();
    FillTextTable(table, builtIn, nullptr);
    for (unsigned i = 0; i < builtInCount; ++i)
        if (table[i] != builtIn(i)) __builtin_trap();
    return 0;
}
