#include "widgets/core/WidgetSettings.h"

#include "common/Format.h"

std::array<std::wstring, kWidgetKeyCount> WidgetKeyNames(const std::wstring& kind) {
    return {kind + L"Enable", kind + L"Moveable", kind + L"Top", kind + L"X",
            kind + L"Y",      kind + L"Color",    kind + L"BG",  kind + L"Opacity"};
}

std::wstring FormatWidgetColor(uint32_t argb) {
    return Format(L"#%02X%02X%02X", (argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

uint32_t ParseWidgetColor(const std::wstring& text) {
    uint32_t value = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        const wchar_t c = text[i];
        unsigned digit;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else
            break;
        value = (value << 4) | digit;  // only the low 24 bits are kept anyway
    }
    return 0xFF000000u | (value & 0xFFFFFFu);
}

WidgetColors MakeWidgetColors(uint32_t base) {
    WidgetColors c;
    c.Lit = WithAlpha(base, 0xC4);
    c.Label = WithAlpha(base, 0xBC);
    c.Glow = WithAlpha(base, 0x18);
    c.Fill = WithAlpha(base, 0x18);
    return c;
}

uint8_t WidgetConstantAlpha(int opacityPercent) {
    if (opacityPercent < 0) opacityPercent = 0;
    if (opacityPercent > 100) opacityPercent = 100;
    // The same as truncating percent x 2.55 in single precision, without
    // depending on how the compiler keeps intermediate floating values.
    return static_cast<uint8_t>(opacityPercent * 255 / 100);
}

std::vector<WidgetPlacement> FirstRunLayout(int workWidth, int workHeight) {
    return {
        {L"CPUUsageWithArrow", 10, workHeight - 210},
        {L"MemoryUsageWithArrow", 220, workHeight - 210},
        {L"StorageUsageHistory", workWidth - 310, workHeight - 210},
        {L"DateTime", workWidth - 310, 10},
        {L"OperatingSystem", workWidth - 310, 220},
    };
}

WidgetPosition OpeningPosition(int x, int y, int workLeft, int workRight, int width) {
    if (x == kWidgetUnplaced || y == kWidgetUnplaced) return {(workRight - workLeft - width) / 2, 0};
    return {x, y};
}
