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

    void SetFaceColor(COLORREF color, bool redraw = true);
    void SetTextColor(COLORREF color);

    static void EnableWindowsTheming(bool enable);

protected:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void Paint(HDC dc);

    COLORREF m_face = ::GetSysColor(COLOR_BTNFACE);
    COLORREF m_text = ::GetSysColor(COLOR_BTNTEXT);
    bool m_hot = false;
    bool m_pressed = false;
};
