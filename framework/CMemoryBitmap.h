#pragma once
// An off-screen picture: a bitmap compatible with a given device context,
// selected into a memory device context of its own, for drawing something
// once and copying it often.
#include <windows.h>

class CMemoryBitmap {
public:
    CMemoryBitmap() = default;
    ~CMemoryBitmap() { Reset(); }
    CMemoryBitmap(const CMemoryBitmap&) = delete;
    CMemoryBitmap& operator=(const CMemoryBitmap&) = delete;

    // Makes the bitmap `width` x `height` and compatible with `like`. True
    // when it was made anew: its pixels are then undefined and need
    // drawing. False when it already was that size, or on failure (then
    // Dc() is null).
    bool Prepare(HDC like, int width, int height);
    void Reset();

    HDC Dc() const { return m_dc; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Copies the rectangle at (x, y), `width` x `height`, of this bitmap to
    // (toX, toY) of `to`.
    void CopyTo(HDC to, int toX, int toY, int x, int y, int width, int height) const;

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    int m_width = 0;
    int m_height = 0;
};
