#pragma once
// The texts of one widget's row in the widgets dialog's list.
#include <array>
#include <cstddef>
#include <functional>
#include <string>

#include "widgets/core/WidgetChoices.h"
#include "widgets/core/WidgetSettings.h"

inline constexpr int kWidgetRowColumns = 6;
// Name, State, Moveable, Color, Background, Opacity.
using WidgetRow = std::array<std::wstring, kWidgetRowColumns>;

// The words the rows are made of, in the current language.
struct WidgetRowWords {
    std::wstring Visible, Hidden, Yes, No;
    std::array<std::wstring, kWidgetColorChoices.size()> ColorNames;  // of the dialog's colour choices, in their order
};
WidgetRowWords WidgetRowWordsFrom(const std::function<const std::wstring&(size_t)>& text);

// A colour the dialog does not offer leaves the Color column empty.
WidgetRow MakeWidgetRow(const std::wstring& displayName, const WidgetSettings& settings, const WidgetRowWords& words);
