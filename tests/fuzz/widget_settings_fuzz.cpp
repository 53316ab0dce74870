// A widget's settings come from settings.ini, where the user or another
// program may have written anything: the colour text, the numbers read for
// its position and opacity, and the kind name its keys are built from.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "tests/fuzz/SmartFuzzInput.h"
#include "widgets/core/WidgetCatalogue.h"
#include "widgets/core/WidgetChoices.h"
#include "widgets/core/WidgetRow.h"
#include "widgets/core/WidgetSettings.h"

namespace {

int Int(FuzzInput& in) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | in.Byte();
    int out;
    std::memcpy(&out, &v, sizeof out);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    WidgetSettings s;
    const uint8_t flags = in.Byte();
    s.Enable = flags & 1;
    s.Moveable = flags & 2;
    s.BG = flags & 4;
    s.X = Int(in);
    s.Y = Int(in);
    s.Opacity = Int(in);
    const int delta = static_cast<int8_t>(in.Byte());

    // The rest is the colour text: one character per byte, or UTF-16 pairs.
    const std::vector<uint8_t> rest = in.Piece(SIZE_MAX >> 1);
    std::wstring color;
    if (flags & 8) {
        for (size_t i = 0; i + 1 < rest.size(); i += 2) color.push_back(static_cast<wchar_t>(rest[i] | rest[i + 1] << 8));
    } else {
        color.assign(rest.begin(), rest.end());
    }

    s.Color = ParseWidgetColor(color);
    if ((s.Color >> 24) != 0xFF) __builtin_trap();
    // What is written back reads as the same colour.
    const std::wstring written = FormatWidgetColor(s.Color);
    if (written.size() != 7 || ParseWidgetColor(written) != s.Color) __builtin_trap();
    const int choice = FindColorChoice(color);
    if (choice >= 0 && color != kWidgetColorChoices[choice].Color) __builtin_trap();

    const int opacity = OpacityAfterArrow(s.Opacity, delta);
    if (opacity < kWidgetOpacityMin || opacity > kWidgetOpacityMax) __builtin_trap();
    WidgetConstantAlpha(s.Opacity);
    MakeWidgetColors(s.Color);
    OpeningPosition(s.X, s.Y, 0, 1920, 300);

    WidgetRowWords words{L"Visible", L"Hidden", L"Yes", L"No", {L"Blue", L"Green", L"Red", L"White"}};
    MakeWidgetRow(color, s, words);

    const auto keys = WidgetKeyNames(color);
    for (const auto& k : keys)
        if (k.compare(0, color.size(), color) != 0) __builtin_trap();
    FindWidgetKind(color);
    return 0;
}
