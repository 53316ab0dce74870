#include "settings/CAppFont.h"

#include "resources/resource.h"

void CAppFont::Set(const std::wstring& faceName) {
    if (faceName.empty()) {
        m_font.Reset();
        return;
    }
    if (faceName != kEmbeddedFontFace) return;

    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(IDR_FONT), RT_FONT);
    if (!res) return;
    HGLOBAL loaded = ::LoadResource(module, res);
    void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    DWORD size = ::SizeofResource(module, res);
    if (!bytes || size == 0) return;
    DWORD fonts = 0;
    if (!::AddFontMemResourceEx(bytes, size, nullptr, &fonts)) return;
    if (m_font) return;

    LOGFONTW lf{};
    lf.lfHeight = 14;
    wcsncpy(lf.lfFaceName, faceName.c_str(), LF_FACESIZE - 1);
    m_font.Reset(::CreateFontIndirectW(&lf));
}

HFONT FontOrDialogFont(HFONT appFont, HWND dialog) {
    if (appFont) return appFont;
    return reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
}
