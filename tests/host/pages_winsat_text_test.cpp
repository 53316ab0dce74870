#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pages/core/WinSATText.h"

namespace {

TEST(WinSATText, ScoresAndDate) {
    // Scores arrive as floats: 8.1f is 8.1000003..., 5.95f rounds up.
    EXPECT_EQ(WinSATScoreText(8.1f), L"8.1");
    EXPECT_EQ(WinSATScoreText(9.9f), L"9.9");
    EXPECT_EQ(WinSATScoreText(1.0), L"1.0");
    EXPECT_EQ(WinSATDateText(2024, 5, 17, 9, 30), L"2024-05-17 09:30");
    EXPECT_EQ(WinSATDateText(2009, 12, 1, 0, 5), L"2009-12-01 00:05");
}

TEST(WinSATText, CompletionTextShowsFailuresInLowerCaseHex) {
    const struct {
        int32_t status;
        const wchar_t* description;
        const wchar_t* text;
    } cases[] = {
        {static_cast<int32_t>(0x80004005u), L"The assessment failed.", L"Error 0x80004005: The assessment failed."},
        {static_cast<int32_t>(0x80040154u), L"", L"Error 0x80040154: "},
        {0, L"The assessment completed.", L"The assessment completed."},
        {1, L"", L""},  // a success that is not S_OK is still a success
    };
    for (const auto& c : cases) EXPECT_EQ(WinSATCompletionText(c.status, c.description), c.text);
}

TEST(WinSATText, ProgressPercentOfTicks) {
    std::wstring text = L"unchanged";
    EXPECT_FALSE(WinSATProgressText(5, 0, L"Running", text));
    EXPECT_EQ(text, L"unchanged");

    ASSERT_TRUE(WinSATProgressText(42, 100, L"Assessing memory performance", text));
    EXPECT_EQ(text, L"42%: Assessing memory performance");
    ASSERT_TRUE(WinSATProgressText(2, 3, L"", text));  // division rounds down
    EXPECT_EQ(text, L"66%: ");
    // Large tick counts do not wrap around in the multiplication.
    ASSERT_TRUE(WinSATProgressText(3000000000u, 4000000000u, L"x", text));
    EXPECT_EQ(text, L"75%: x");
}

}  // namespace
