#pragma once
// Painting shared by the usage gauge and the history graph: both draw their
// whole client area on every paint, through an off-screen bitmap so that a
// redraw once a second does not flicker.
#include <windows.h>

#include <functional>

// Paints `wnd` for WM_PAINT: `render` draws the client area (width, height)
// into a memory device context that is copied to the window when `render`
// reports success. When no bitmap can be had, `render` draws on the window
// directly. The window is validated either way.
void PaintBuffered(HWND wnd, const std::function<bool(HDC, int, int)>& render);
