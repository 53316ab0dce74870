#include "pages/UsagePaint.h"

#include "framework/Handles.h"

void PaintBuffered(HWND wnd, const std::function<bool(HDC, int, int)>& render) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(wnd, &ps);
    RECT client{};
    ::GetClientRect(wnd, &client);
    const int w = client.right - client.left, h = client.bottom - client.top;
    if (dc && w > 0 && h > 0) {
        HDC mem = ::CreateCompatibleDC(dc);
        CBitmapHandle bitmap(mem ? ::CreateCompatibleBitmap(dc, w, h) : nullptr);
        if (mem && bitmap) {
            HGDIOBJ old = ::SelectObject(mem, bitmap.Get());
            if (render(mem, w, h)) ::BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
            ::SelectObject(mem, old);
        } else {
            render(dc, w, h);
        }
        if (mem) ::DeleteDC(mem);
    }
    ::EndPaint(wnd, &ps);
}
