#pragma once
// Fonts made from the one a control has now: a bold title, an underlined link.
#include <windows.h>

// The control's current font (or the default GUI font) with `change`
// applied, created as a new font the caller owns.
HFONT DeriveFont(HWND control, void (*change)(LOGFONTW&));
