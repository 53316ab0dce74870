#include <gtest/gtest.h>

#include <string>

#include "pages/core/NoiseText.h"
#include "common/Text.h"
#include "pages/core/PageText.h"

namespace {

bool IsHexDigit(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'); }

TEST(NoiseText, PairsOfHexDigitsEachFollowedByASpace) {
    for (size_t n : {2u, 4u, 8u, 28u}) {
        SCOPED_TRACE(n);
        const std::wstring text = MakeNoiseText(n);
        ASSERT_EQ(text.size(), n + n / 2);
        for (size_t i = 0; i < text.size(); ++i) {
            if (i % 3 == 2)
                EXPECT_EQ(text[i], L' ');
            else
                EXPECT_TRUE(IsHexDigit(text[i])) << static_cast<int>(text[i]);
        }
    }
    EXPECT_EQ(MakeNoiseText(0), L"");
}

TEST(NoiseText, DrawsEveryDigitFromItsSourceModulo16) {
    unsigned next = 0;
    auto counter = [&next] { return next++; };
    EXPECT_EQ(MakeNoiseText(16, counter), L"01 23 45 67 89 AB CD EF ");
    // Values past 15 wrap; an odd length leaves the last digit without a space.
    auto big = [] { return 0xFFFFFFF1u; };
    EXPECT_EQ(MakeNoiseText(3, big), L"11 1");
}

TEST(PageText, TrimAndDash) {
    EXPECT_EQ(TrimWhiteSpace(L"  \t16384 MBytes \r\n"), L"16384 MBytes");
    EXPECT_EQ(TrimWhiteSpace(L" \t "), L"");
    EXPECT_EQ(TrimWhiteSpace(L"a b"), L"a b");
    EXPECT_EQ(DashIfEmpty(TrimWhiteSpace(L"   ")), L"-");
    EXPECT_EQ(DashIfEmpty(L"1.0"), L"1.0");
}

TEST(PageText, OperatingSystemTexts) {
    struct Case {
        const wchar_t *name, *edition, *sp, *bits, *version, *line;
    };
    const Case cases[] = {
        {L"Windows 10", L"Pro", L"", L"64", L"Windows 10", L"Windows 10 Pro 64-bit"},
        {L"Windows 7", L"Ultimate", L"1", L"64", L"Windows 7 Service Pack 1",
         L"Windows 7 Ultimate Service Pack 1 64-bit"},
        {L"Windows 8.1", L"Core", L"", L"32", L"Windows 8.1", L"Windows 8.1 Core 32-bit"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(WindowsVersionText(c.name, c.sp, L"Service Pack"), c.version);
        EXPECT_EQ(OperatingSystemLine(c.name, c.edition, c.sp, c.bits, L"Service Pack", L"bit"), c.line);
    }
    EXPECT_EQ(SystemTypeText(L"64", L"\x0440\x0430\x0437\x0440\x044F\x0434\x043D\x0430\x044F"),
              L"64-\x0440\x0430\x0437\x0440\x044F\x0434\x043D\x0430\x044F");
}

TEST(PageText, SubScoreFieldIsHiddenWithoutAScore) {
    const WeiFieldState none = SubScoreField(L"");
    EXPECT_EQ(none.text, L"-");
    EXPECT_FALSE(none.visible);
    const WeiFieldState score = SubScoreField(L"7.9");
    EXPECT_EQ(score.text, L"7.9");
    EXPECT_TRUE(score.visible);
}

}  // namespace
