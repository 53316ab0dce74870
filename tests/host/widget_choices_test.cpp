#include <gtest/gtest.h>

#include <climits>

#include "widgets/core/WidgetChoices.h"

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

}  // namespace
