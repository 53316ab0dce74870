#pragma once
// The usage gauge: two columns of 100 level lines lit from the bottom up to
// the value, with the value written underneath. A child of a monitor window.
#include <windows.h>

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
    bool Render(HDC dc, int width, int height, HFONT font) const;

protected:
    bool Draw(HDC dc, int width, int height) override;
};
