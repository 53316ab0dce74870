#pragma once
// What the usage gauge and the history graph share: a child of a monitor
// window, created from the empty child template and sized in pixels, that
// draws its whole client area on every paint through an off-screen bitmap
// it keeps, so that a redraw once a second does not flicker.
#include <windows.h>

#include "framework/CDialogEx.h"
#include "framework/CMemoryBitmap.h"

class CUsageControl : public CDialogEx {
public:
    ~CUsageControl() override;

    // Invalidates, erases and repaints the control at once (the owner calls
    // it after handing over a new value).
    void Redraw() const;

protected:
    // The control's size in pixels, set when it is created.
    CUsageControl(int width, int height);

    // Draws the whole control into `dc` (width x height). False when GDI+
    // could not draw on it; the bitmap is then not copied to the window.
    virtual bool Draw(HDC dc, int width, int height) = 0;

    BOOL OnInitDialog() override;
    bool OnPaint() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    int m_width;
    int m_height;
    CMemoryBitmap m_buffer;
};
