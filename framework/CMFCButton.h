#pragma once
// A push button that can draw itself with a face and a text colour instead
// of the platform's themed look. Themed drawing is a process-wide switch:
// while it is on, every such button looks like any other push button.
#include <windows.h>

#include "framework/CWnd.h"

class CMFCButton : public CWnd {
public:
    CMFCButton() = default;
    ~CMFCButton() override;

    // Takes over the dialog's button `id`.
    bool SubclassDlgItem(int id, HWND dialog);

    void SetFaceColor(COLORREF color, bool redraw = true);
    void SetTextColor(COLORREF color);

    static void EnableWindowsTheming(bool enable);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
    void Paint(HDC dc);

    COLORREF m_face = ::GetSysColor(COLOR_BTNFACE);
    COLORREF m_text = ::GetSysColor(COLOR_BTNTEXT);
    bool m_hot = false;
    bool m_pressed = false;
    bool m_subclassed = false;
};
