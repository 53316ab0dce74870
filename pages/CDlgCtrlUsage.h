#pragma once
// The usage gauge: two columns of 100 level lines lit from the bottom up to
// the value, with the value written underneath. A child of a monitor window.
//
// The level lines never change, only which of them are lit: the gauge is
// drawn once with every line unlit and once with every line lit, and each
// paint puts the upper part of the one over the lower part of the other and
// writes the value.
#include <windows.h>

#include <memory>

#include "framework/CMemoryBitmap.h"
#include "framework/GdiPlus.h"
#include "pages/CUsageControl.h"

class CDlgCtrlUsage : public CUsageControl {
public:
    CDlgCtrlUsage();
    ~CDlgCtrlUsage() override;

    // Usage in percent; the owner sets it and then calls Redraw.
    int value = 0;

    // Draws the whole gauge into `dc` (width x height), with the value text
    // in `font` at 14 pixels (the default GUI font when null). False when
    // GDI+ could not draw on the device context.
    bool Render(HDC dc, int width, int height, HFONT font);

protected:
    bool Draw(HDC dc, int width, int height) override;

private:
    // The two pictures of the lines for this size, drawn when missing.
    bool PrepareLevels(HDC like, int width, int height);
    // The value's font, made again only when the face or size changes.
    const Gdiplus::Font* ValueFont(HDC dc, HFONT font);

    CMemoryBitmap m_unlit;
    CMemoryBitmap m_lit;
    std::unique_ptr<Gdiplus::Font> m_valueFont;
    LOGFONTW m_valueLogFont{};
};
