#include "framework/CMemoryBitmap.h"

bool CMemoryBitmap::Prepare(HDC like, int width, int height) {
    if (m_dc && width == m_width && height == m_height) return false;
    Reset();
    if (width <= 0 || height <= 0) return false;
    HDC dc = ::CreateCompatibleDC(like);
    HBITMAP bitmap = dc ? ::CreateCompatibleBitmap(like, width, height) : nullptr;
    if (!bitmap) {
        if (dc) ::DeleteDC(dc);
        return false;
    }
    m_dc = dc;
    m_bitmap = bitmap;
    m_old = ::SelectObject(m_dc, m_bitmap);
    m_width = width;
    m_height = height;
    return true;
}

void CMemoryBitmap::Reset() {
    if (m_dc) {
        ::SelectObject(m_dc, m_old);
        ::DeleteDC(m_dc);
    }
    if (m_bitmap) ::DeleteObject(m_bitmap);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_old = nullptr;
    m_width = m_height = 0;
}

void CMemoryBitmap::CopyTo(HDC to, int toX, int toY, int x, int y, int width, int height) const {
    if (m_dc && width > 0 && height > 0) ::BitBlt(to, toX, toY, width, height, m_dc, x, y, SRCCOPY);
}
