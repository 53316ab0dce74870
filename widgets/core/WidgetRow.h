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

// Column widths for a list `room` pixels wide: each column as wide as the
// wider of its header and its texts. When that is wider than the list, half
// of the excess comes from the headers that are wider than their texts (in
// proportion to that extra room), the rest from the first column (the
// names) down to `minFirst`, and whatever is still left from the headers
// again; a column never gets narrower than its texts, except the first.
std::array<int, kWidgetRowColumns> FitWidgetColumns(const std::array<int, kWidgetRowColumns>& contents,
                                                    const std::array<int, kWidgetRowColumns>& headers, int room,
                                                    int minFirst);
