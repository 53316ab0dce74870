#include "widgets/core/WidgetRow.h"

#include "common/Format.h"
#include "widgets/core/WidgetChoices.h"

WidgetRowWords WidgetRowWordsFrom(const std::function<const std::wstring&(size_t)>& text) {
    WidgetRowWords words{text(32), text(33), text(86), text(87), {}};
    for (size_t i = 0; i < kWidgetColorChoices.size(); ++i) words.ColorNames[i] = text(kWidgetColorChoices[i].TextIndex);
    return words;
}

WidgetRow MakeWidgetRow(const std::wstring& displayName, const WidgetSettings& settings, const WidgetRowWords& words) {
    const int choice = FindColorChoice(FormatWidgetColor(settings.Color));
    return WidgetRow{
        displayName,
        settings.Enable ? words.Visible : words.Hidden,
        settings.Moveable ? words.Yes : words.No,
        choice >= 0 ? words.ColorNames[static_cast<size_t>(choice)] : std::wstring(),
        settings.BG ? words.Visible : words.Hidden,
        Format(L"%d", settings.Opacity),
    };
}
