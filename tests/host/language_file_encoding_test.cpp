#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "settings/core/LanguageFileEncoding.h"

namespace {

bool Readable(const std::string& bytes) {
    return IsReadableLanguageFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

TEST(LanguageFileEncoding, TakesUtf16WithItsMarkAndCodePageTextOnly) {
    const std::string utf16 = std::string("\xFF\xFE[\0L\0", 6);
    struct Case {
        const char* name;
        std::string bytes;
        bool readable;
    } cases[] = {
        {"UTF-16 LE with its mark", utf16, true},
        {"empty", "", true},
        {"ASCII", "[Language]\r\nlang_en=Alpha\r\n", true},
        {"code page 1251 Cyrillic", "12=\xCF\xF0\xEE\xF6\xE5\xF1\xF1\xEE\xF0\r\n", true},
        {"code page 1252 accents", "12=Caf\xE9 cr\xE8me\r\n", true},
        {"UTF-16 LE without its mark", std::string("[\0L\0", 4), false},
        {"UTF-16 BE with its mark", std::string("\xFE\xFF\0[\0L", 6), false},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[Language]\r\n", false},
        {"UTF-8 Cyrillic", "12=\xD0\x9F\xD1\x80\xD0\xBE\r\n", false},
        {"UTF-8 and a stray code-page byte", "12=\xD0\x9F\xD1\x80\xD0\xBE \xE9\r\n", true},
        {"overlong UTF-8 form", "12=\xC0\xAF\r\n", true},
        {"UTF-8 surrogate", "12=\xED\xA0\x80\r\n", true},
        {"UTF-8 sequence cut off by the end of the file", "12=\xD0\x9F\xD1", true},
        {"zero byte in code-page text", std::string("12=abc\0def", 10), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Readable(c.bytes), c.readable);
    }
}

TEST(LanguageFileEncoding, ASequenceCutOffByTheProbeStillCountsAsUtf8) {
    std::string probe(kLanguageFileProbeBytes - 1, 'a');
    probe.replace(0, 2, "\xD0\x9F");
    probe += "\xD1";  // the first byte of a two-byte sequence ends the probe
    EXPECT_FALSE(Readable(probe));
}

}  // namespace
