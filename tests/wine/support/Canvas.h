#pragma once
// A 32-bit top-down bitmap with its own DC, for tests that paint a window or
// a renderer into it and read the pixels back (0xRRGGBB).
#include <windows.h>

#include <cstdint>

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        dc_ = ::CreateCompatibleDC(nullptr);
        bitmap_ = ::CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = ::SelectObject(dc_, bitmap_);
        // Anything not drawn shows as this colour.
        for (int i = 0; i < w * h; ++i) bits_[i] = 0x123456;
    }
    ~Canvas() {
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc_; }
    int Width() const { return w_; }
    int Height() const { return h_; }
    uint32_t At(int x, int y) const {
        ::GdiFlush();
        return bits_[y * w_ + x] & 0xFFFFFF;
    }
    bool AnyIn(int x0, int y0, int x1, int y1, uint32_t colour) const {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (At(x, y) == colour) return true;
        return false;
    }

private:
    int w_, h_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};
