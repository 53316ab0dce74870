#include "widgets/core/WidgetChoices.h"

int FindColorChoice(const std::wstring& color) {
    for (size_t i = 0; i < kWidgetColorChoices.size(); ++i)
        if (color == kWidgetColorChoices[i].Color) return static_cast<int>(i);
    return -1;
}

int OpacityAfterArrow(int position, int delta) {
    // In 64 bits: a position typed far out of range plus a step must not wrap.
    const long long proposed = static_cast<long long>(position) + delta;
    if (proposed < kWidgetOpacityMin) return kWidgetOpacityMin;
    if (proposed > kWidgetOpacityMax) return kWidgetOpacityMax;
    return static_cast<int>(proposed);
}
