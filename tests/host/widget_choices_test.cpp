#include <gtest/gtest.h>

#include <climits>

#include "widgets/core/WidgetChoices.h"
#include "widgets/core/WidgetRow.h"

namespace {

TEST(WidgetChoices, OnlyTheExactColourStringNamesAChoice) {
    const struct {
        const wchar_t* color;
        int choice;
    } cases[] = {
        {L"#11F1E2", 0}, {L"#00FF00", 1}, {L"#FF0000", 2}, {L"#FFFFFF", 3},
        {L"#ff0000", -1},  // the settings always write capitals
        {L"#0F0000", -1},  // "FF0000" written without its "#" reads back as this
        {L"#FF00000", -1}, {L"", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(FindColorChoice(c.color), c.choice) << c.color;
}

TEST(WidgetChoices, ArrowsKeepTheOpacityWithinTwentyToAHundred) {
    const struct {
        int position, delta, opacity;
    } cases[] = {
        {20, -1, 20}, {100, 1, 100}, {21, -1, 20}, {50, 1, 51}, {99, 1, 100},
        {5, 1, 20},       // typed below the range, then an arrow
        {500, -1, 100},   // typed above it
        {INT_MAX, 1, 100}, {INT_MIN, -1, 20},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpacityAfterArrow(c.position, c.delta), c.opacity) << c.position << " " << c.delta;
}

TEST(WidgetRow, TextsFollowTheSettings) {
    const std::wstring table[] = {L"Visible", L"Hidden", L"Yes", L"No", L"Blue", L"Green", L"Red", L"White"};
    const WidgetRowWords words = WidgetRowWordsFrom([&](size_t i) -> const std::wstring& {
        switch (i) {
            case 32: return table[0];
            case 33: return table[1];
            case 86: return table[2];
            case 87: return table[3];
            default: return table[4 + (i - 96)];
        }
    });
    WidgetSettings s;  // the defaults
    EXPECT_EQ(MakeWidgetRow(L"Mouse", s, words), (WidgetRow{L"Mouse", L"Hidden", L"No", L"Blue", L"Visible", L"100"}));
    s.Enable = true;
    s.Moveable = true;
    s.BG = false;
    s.Color = 0xFFFF0000;
    s.Opacity = 20;
    EXPECT_EQ(MakeWidgetRow(L"Mouse", s, words), (WidgetRow{L"Mouse", L"Visible", L"Yes", L"Red", L"Hidden", L"20"}));
    // Near a choice is not a choice; an opacity from the file is shown as it is.
    s.Color = ParseWidgetColor(L"FF0000");
    s.Opacity = 150;
    const WidgetRow odd = MakeWidgetRow(L"Mouse", s, words);
    EXPECT_EQ(odd[3], L"");
    EXPECT_EQ(odd[5], L"150");
}

}  // namespace

TEST(WidgetRow, ColumnsFitTheListSharingTheCutBetweenHeadersAndNames) {
    using W = std::array<int, kWidgetRowColumns>;
    const W contents = {180, 60, 30, 60, 60, 30};
    const W headers = {60, 70, 90, 40, 40, 100};
    struct Case {
        int room;
        W widths;
    } cases[] = {
        {1000, {180, 70, 90, 60, 60, 100}},  // room enough: header or texts, the wider
        {560, {180, 70, 90, 60, 60, 100}},   // exactly enough
        {480, {140, 68, 73, 60, 60, 79}},    // 80 too wide: 40 from the headers, 40 from the names
        {300, {50, 61, 35, 60, 60, 34}},     // the names down to their least
        {200, {50, 60, 30, 60, 60, 30}},     // no narrower than the texts: the list scrolls
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.room);
        const W w = FitWidgetColumns(contents, headers, c.room, 50);
        EXPECT_EQ(w, c.widths);
    }
}
