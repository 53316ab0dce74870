#pragma once
// The one appearance every window of the program follows: dark or light
// colours, the background (the dialog's own colour or the picture, with or
// without the overlay), and the application font. A window describes itself
// with a short table, its value fields, titles, captions and the statics
// that stay transparent in light mode too, and forwards its painting and
// control-colour requests here (CStyledDialog does that for it).
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "framework/CMFCButton.h"
#include "framework/GdiPlus.h"
#include "framework/Handles.h"

class CAppearance {
public:
    enum class Background {
        Plain,                   // the dialog's colour: black in dark mode
        Picture,                 // the picture at its natural size over the dialog's colour
        FramedPicture,           // the picture, and the overlay inside a 10-pixel frame
        StretchedFramedPicture,  // the same with the picture stretched over the client area
    };

    explicit CAppearance(Background background = Background::Plain);
    ~CAppearance();
    CAppearance(const CAppearance&) = delete;
    CAppearance& operator=(const CAppearance&) = delete;

    // ---- The window's table ----
    // Read-only value fields: green on black in dark mode.
    void AddValueFields(std::initializer_list<int> ids) { m_values.insert(m_values.end(), ids); }
    void AddValueField(int id) { m_values.push_back(id); }
    // Titles: green in dark mode.
    void AddTitles(std::initializer_list<int> ids) { m_titles.insert(m_titles.end(), ids); }
    // Captions laid over a frame line: opaque in the window's dark colour.
    void AddCaption(int id) { m_captions.push_back(id); }
    // Statics over the picture that are transparent in light mode too.
    void AddTransparentStatics(std::initializer_list<int> ids) { m_transparent.insert(m_transparent.end(), ids); }

    Background GetBackground() const { return m_background; }
    bool HasPicture() const { return m_background != Background::Plain; }

    // Loads the background picture (PNG IDB_BACKGROUND) once, for the
    // backgrounds that show it. GDI+ must be running.
    void LoadPicture();

    // Stores the flag, re-creates the overlay and redraws `wnd` (when given) at once.
    void ApplyDarkMode(HWND wnd, bool dark);
    bool DarkMode() const { return m_darkMode; }

    // Paints the background into `dc` (the whole client area).
    void PaintBackground(HDC dc, const RECT& client) const;
    // True when PaintBackground covers every pixel, so erasing first would only flash.
    bool PaintsWholeClient() const;

    // A push button's face: black with green text in dark mode, the
    // platform's theme in light mode.
    void StyleButton(CMFCButton& button) const;

    // Answers a WM_CTLCOLOR* request; nullptr means the platform default.
    HBRUSH CtlColor(HDC dc, HWND control, UINT ctlMessage) const;

    HBRUSH BlackBrush() const { return m_black.Get(); }
    Gdiplus::Bitmap* Picture() const { return m_picture.get(); }

    // Gives the listed controls (or every child) the application font
    // `appFont`, or the dialog's own font when there is none (which puts the
    // template font back).
    static void ApplyFont(HWND dialog, HFONT appFont, std::initializer_list<int> ids);
    static void ApplyFontToChildren(HWND dialog, HFONT appFont);

private:
    static bool Contains(const std::vector<int>& ids, int id);

    Background m_background;
    bool m_darkMode = false;
    CBrushHandle m_black;
    std::unique_ptr<Gdiplus::Bitmap> m_picture;
    Gdiplus::ARGB m_overlay = 0;
    std::vector<int> m_values;
    std::vector<int> m_titles;
    std::vector<int> m_captions;
    std::vector<int> m_transparent;
};

// Redraws a window and its children now (invalidate, erase, update).
void RedrawNow(HWND wnd);

// Colours of the dark appearance.
constexpr COLORREF kDarkText = RGB(255, 255, 255);
constexpr COLORREF kDarkValue = RGB(0, 255, 0);
constexpr COLORREF kDarkBack = RGB(0, 0, 0);
