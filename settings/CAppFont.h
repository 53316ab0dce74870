#pragma once
// The application font: the embedded face, loaded from the program's
// resources, or none (each window then keeps its template's font). It may
// change while windows are open; they read the current one through Get().
#include <windows.h>

#include <string>

#include "common/CObject.h"
#include "framework/Handles.h"

// The face name of the font embedded in the program (RT_FONT IDR_FONT).
constexpr wchar_t kEmbeddedFontFace[] = L"Sebastian Gothic NBP";

class CAppFont : public CObject {
public:
    CAppFont() = default;

    // An empty name drops the font; the embedded face's name creates it
    // (once); any other name is ignored.
    void Set(const std::wstring& faceName);
    // The current font, or nullptr for none.
    HFONT Get() const { return m_font.Get(); }

private:
    CFontHandle m_font;
};

// The font a window's controls show: the application font, else the
// window's own (template) font.
HFONT FontOrDialogFont(HFONT appFont, HWND dialog);
