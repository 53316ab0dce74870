#pragma once
// The eight settings every widget has, their keys in section "Widgets" of
// settings.ini, the colour text they are stored as, and what the widget
// window derives from them.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int kWidgetUnplaced = -1000;
constexpr uint32_t kWidgetDefaultColor = 0xFF11F1E2;

struct WidgetSettings {
    bool Enable = false;
    bool Moveable = false;
    bool Top = false;  // set: on top of all windows; clear: on the desktop
    int X = kWidgetUnplaced;
    int Y = kWidgetUnplaced;
    uint32_t Color = kWidgetDefaultColor;  // 0xAARRGGBB, alpha always 0xFF
    bool BG = true;
    int Opacity = 100;  // percent
};

// The keys of one kind, in the order they are written: Enable, Moveable,
// Top, X, Y, Color, BG, Opacity.
enum WidgetKey { kKeyEnable, kKeyMoveable, kKeyTop, kKeyX, kKeyY, kKeyColor, kKeyBG, kKeyOpacity, kWidgetKeyCount };
std::array<std::wstring, kWidgetKeyCount> WidgetKeyNames(const std::wstring& kind);

// "#RRGGBB".
std::wstring FormatWidgetColor(uint32_t argb);
// Skips the first character, whatever it is, and reads the rest as a
// hexadecimal number (up to the first character that is not a hex digit);
// its low 24 bits are red, green and blue, with alpha 255 added. Nothing
// readable gives opaque black.
uint32_t ParseWidgetColor(const std::wstring& text);

// The four colours a widget draws with, all of its base colour's red, green
// and blue.
struct WidgetColors {
    uint32_t Lit = 0xFF000000;    // lit segments, needles, graph lines
    uint32_t Label = 0xFF000000;  // thin frame, crisp text
    uint32_t Glow = 0xFF000000;   // glow layers, unlit segments
    uint32_t Fill = 0xFF000000;   // background fill
};
WidgetColors MakeWidgetColors(uint32_t base);
constexpr uint32_t WithAlpha(uint32_t argb, unsigned alpha) { return (argb & 0xFFFFFFu) | (alpha << 24); }

// The window's constant alpha for an opacity in percent: 100 gives 255, 50
// gives 127, 20 gives 51. Values outside 0..100 are held to that range.
uint8_t WidgetConstantAlpha(int opacityPercent);

// ---- placement ----------------------------------------------------------

struct WidgetPlacement {
    const wchar_t* Kind;
    int X, Y;
};

// The five widgets a first run enables, placed on a work area of that size.
std::vector<WidgetPlacement> FirstRunLayout(int workWidth, int workHeight);

struct WidgetPosition {
    int X, Y;
};
// Where a window of `width` opens: at its settings, or, while either
// coordinate is unplaced, centred at the top of the work area.
WidgetPosition OpeningPosition(int x, int y, int workLeft, int workRight, int width);
