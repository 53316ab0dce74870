#include "widgets/core/WidgetRow.h"

#include <algorithm>

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

namespace {

// Takes up to `want` pixels from the columns' room beyond their texts, in
// proportion to that room; returns what it took.
int CutHeaders(std::array<int, kWidgetRowColumns>& widths, const std::array<int, kWidgetRowColumns>& contents,
               int want) {
    int spare = 0;
    for (int c = 0; c < kWidgetRowColumns; ++c) spare += widths[c] - contents[c];
    if (spare <= 0 || want <= 0) return 0;
    if (want > spare) want = spare;
    int taken = 0;
    for (int c = 0; c < kWidgetRowColumns; ++c) {
        const int cut = static_cast<int>(static_cast<long long>(widths[c] - contents[c]) * want / spare);
        widths[c] -= cut;
        taken += cut;
    }
    // What the rounding left goes from the last columns that still have room.
    for (int c = kWidgetRowColumns - 1; c >= 0 && taken < want; --c) {
        const int cut = std::min(widths[c] - contents[c], want - taken);
        widths[c] -= cut;
        taken += cut;
    }
    return taken;
}

}  // namespace

std::array<int, kWidgetRowColumns> FitWidgetColumns(const std::array<int, kWidgetRowColumns>& contents,
                                                    const std::array<int, kWidgetRowColumns>& headers, int room,
                                                    int minFirst) {
    std::array<int, kWidgetRowColumns> widths{};
    int total = 0;
    for (int c = 0; c < kWidgetRowColumns; ++c) {
        widths[c] = std::max(contents[c], headers[c]);
        total += widths[c];
    }
    int excess = total - room;
    if (excess <= 0) return widths;
    excess -= CutHeaders(widths, contents, (excess + 1) / 2);
    const int fromFirst = std::max(0, std::min(excess, widths[0] - minFirst));
    widths[0] -= fromFirst;
    excess -= fromFirst;
    CutHeaders(widths, contents, excess);
    return widths;
}
