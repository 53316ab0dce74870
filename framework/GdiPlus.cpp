#include "framework/GdiPlus.h"

#include <objidl.h>

#include "framework/Handles.h"

bool CGdiPlusSession::Startup() {
    if (m_token) return true;
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    return Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
}

void CGdiPlusSession::Shutdown() {
    if (!m_token) return;
    Gdiplus::GdiplusShutdown(m_token);
    m_token = 0;
}

std::unique_ptr<Gdiplus::Bitmap> LoadPngResource(UINT id) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    if (!res) return nullptr;
    DWORD size = ::SizeofResource(module, res);
    HGLOBAL loaded = ::LoadResource(module, res);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes || size == 0) return nullptr;

    // The stream owns a movable copy; the bitmap keeps the stream alive.
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) return nullptr;
    void* dst = ::GlobalLock(copy);
    memcpy(dst, bytes, size);
    ::GlobalUnlock(copy);
    CComPtr<IStream> stream;
    if (FAILED(::CreateStreamOnHGlobal(copy, TRUE, &stream))) {
        ::GlobalFree(copy);
        return nullptr;
    }
    std::unique_ptr<Gdiplus::Bitmap> bmp(Gdiplus::Bitmap::FromStream(stream.Get()));
    if (!bmp || bmp->GetLastStatus() != Gdiplus::Ok) return nullptr;
    // Decode now so the picture no longer depends on the stream.
    std::unique_ptr<Gdiplus::Bitmap> decoded(bmp->Clone(0, 0, bmp->GetWidth(), bmp->GetHeight(), PixelFormat32bppPARGB));
    if (!decoded || decoded->GetLastStatus() != Gdiplus::Ok) return nullptr;
    return decoded;
}
