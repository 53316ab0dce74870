#pragma once
// The appearance every dialog of the main program follows: dark or light
// colours, the application font, and (for dialogs that have one) the
// background picture with its overlay. Each dialog owns one CAppearance and
// forwards its painting and control-colour requests to it.
#include <windows.h>

#include <initializer_list>
#include <memory>

#include "framework/GdiPlus.h"
#include "framework/Handles.h"

class CAppearance {
public:
    CAppearance();
    ~CAppearance();
    CAppearance(const CAppearance&) = delete;
    CAppearance& operator=(const CAppearance&) = delete;

    // Loads the background picture (PNG 134): the dialog then paints it
    // with the overlay inside a 10-pixel frame.
    void LoadPicture();

    // Stores the flag, re-creates the overlay and redraws `wnd` at once.
    void ApplyDarkMode(HWND wnd, bool dark);
    bool Dark() const { return m_dark; }

    // Gives the listed controls the application font `appFont`, or the
    // dialog's own font when there is none (which puts the template font back).
    static void ApplyFont(HWND dialog, HFONT appFont, std::initializer_list<int> ids);

    // Paints the picture at its natural size (or stretched over the client
    // area) and the overlay inside the frame.
    void PaintPicture(HDC dc, const RECT& client, bool stretch = false) const;
    // Paints the picture alone, at its natural size (no overlay).
    void PaintPlainPicture(HDC dc) const;

    // Answers a WM_CTLCOLOR* request; nullptr means the platform default.
    // `valueIds` are the window's read-only value fields.
    HBRUSH CtlColor(HDC dc, HWND control, UINT ctlMessage, std::initializer_list<int> valueIds = {}) const;

    HBRUSH BlackBrush() const { return m_black.Get(); }
    Gdiplus::Bitmap* Picture() const { return m_picture.get(); }

private:
    bool m_dark = false;
    bool m_picturePainted = false;
    CBrushHandle m_black;
    std::unique_ptr<Gdiplus::Bitmap> m_picture;
    Gdiplus::ARGB m_overlay = 0;
};

// Redraws a window and its children now (invalidate, erase, update).
void RedrawNow(HWND wnd);

// Colours of the dark appearance.
constexpr COLORREF kDarkText = RGB(255, 255, 255);
constexpr COLORREF kDarkValue = RGB(0, 255, 0);
constexpr COLORREF kDarkBack = RGB(0, 0, 0);
constexpr int kTitleLabelId = 1001;
