#pragma once
// What the widgets dialog offers for a widget's colour and opacity.
#include <array>
#include <cstddef>
#include <string>

struct WidgetColorChoice {
    size_t TextIndex;    // the colour's name in the text table
    const wchar_t* Color;  // as stored in settings.ini
};

// In the order they are added to the colour list (which sorts them by name).
inline constexpr std::array<WidgetColorChoice, 4> kWidgetColorChoices{{
    {96, L"#11F1E2"},  // Blue
    {97, L"#00FF00"},  // Green
    {98, L"#FF0000"},  // Red
    {99, L"#FFFFFF"},  // White
}};

// The choice whose colour string is exactly `color` ("#RRGGBB" as the
// settings write it), or -1 for a colour the dialog does not offer.
int FindColorChoice(const std::wstring& color);

inline constexpr int kWidgetOpacityMin = 20;
inline constexpr int kWidgetOpacityMax = 100;
// The opacity an arrow of the opacity box leads to from `position`.
int OpacityAfterArrow(int position, int delta);
