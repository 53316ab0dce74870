#pragma once
// The visual language every widget shares: 1-pixel strokes with a soft glow,
// the thin frame with its translucent fill, and crisp text with four glow
// copies.
#include <functional>
#include <string>

#include "framework/GdiPlus.h"
#include "widgets/core/WidgetGeometry.h"
#include "widgets/core/WidgetSettings.h"

inline Gdiplus::Color ToColor(uint32_t argb) { return Gdiplus::Color(static_cast<Gdiplus::ARGB>(argb)); }
inline Gdiplus::RectF ToRect(const GeoRect& r) { return Gdiplus::RectF(r.X, r.Y, r.Width, r.Height); }

// Strokes a shape with a 1-pixel pen of `colour`, then three times more with
// one glow pen that widens while its alpha rises.
void StrokeWithGlow(uint32_t colour, uint32_t glow,
                    const std::function<void(Gdiplus::Pen&)>& shape);

// The thin frame of a w x h widget, its glow and, with `background`, the fill.
void DrawWidgetFrame(Gdiplus::Graphics& g, int width, int height, const WidgetColors& colours, bool background);

// Text at a point, then its four glow copies.
void DrawGlowText(Gdiplus::Graphics& g, const std::wstring& text, const Gdiplus::Font& font, GeoPoint at,
                  const WidgetColors& colours);
// Text centred in the band (0, y, width, cell height), then its glow copies.
void DrawCentredText(Gdiplus::Graphics& g, const std::wstring& text, const Gdiplus::Font& font, float y, int width,
                     const WidgetColors& colours);
