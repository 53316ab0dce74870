#include "settings/CAppearance.h"

#include <algorithm>

#include "settings/CAppFont.h"
#include "resources/resource.h"

CAppearance::CAppearance(Background background)
    : m_background(background), m_black(::CreateSolidBrush(kDarkBack)) {}

CAppearance::~CAppearance() = default;

void CAppearance::LoadPicture() {
    if (HasPicture() && !m_picture) m_picture = LoadPngResource(IDB_BACKGROUND);
}

void RedrawNow(HWND wnd) {
    ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CAppearance::ApplyDarkMode(HWND wnd, bool dark) {
    m_darkMode = dark;
    if (dark) {
        m_overlay = Gdiplus::Color::MakeARGB(0xE4, 0, 0, 0);
    } else {
        COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        m_overlay = Gdiplus::Color::MakeARGB(0xFF, GetRValue(face), GetGValue(face), GetBValue(face));
    }
    if (wnd) RedrawNow(wnd);
}

void CAppearance::ApplyFont(HWND dialog, HFONT appFont, std::initializer_list<int> ids) {
    const HFONT font = FontOrDialogFont(appFont, dialog);
    for (int id : ids) {
        if (HWND control = ::GetDlgItem(dialog, id))
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CAppearance::ApplyFontToChildren(HWND dialog, HFONT appFont) {
    const HFONT font = FontOrDialogFont(appFont, dialog);
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void CAppearance::StyleButton(CMFCButton& button) const {
    if (m_darkMode) {
        CMFCButton::EnableWindowsTheming(false);
        button.SetFaceColor(kDarkBack, true);
        button.SetTextColor(kDarkValue);
    } else {
        CMFCButton::EnableWindowsTheming(true);
    }
}

bool CAppearance::PaintsWholeClient() const {
    return m_background == Background::FramedPicture || m_background == Background::StretchedFramedPicture;
}

void CAppearance::PaintBackground(HDC dc, const RECT& client) const {
    if (!HasPicture()) return;
    const INT w = client.right - client.left, h = client.bottom - client.top;
    Gdiplus::Graphics g(dc);
    if (m_picture) {
        if (m_background == Background::StretchedFramedPicture) {
            // Scaling samples beyond the picture's edges; mirrored edges keep
            // the last row and column opaque instead of half blended with
            // nothing.
            Gdiplus::ImageAttributes edges;
            edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
            g.DrawImage(m_picture.get(), Gdiplus::Rect(0, 0, w, h), 0, 0, static_cast<INT>(m_picture->GetWidth()),
                        static_cast<INT>(m_picture->GetHeight()), Gdiplus::UnitPixel, &edges);
        }
        else
            g.DrawImage(m_picture.get(), 0, 0, static_cast<INT>(m_picture->GetWidth()),
                        static_cast<INT>(m_picture->GetHeight()));
    }
    if (PaintsWholeClient() && w > 20 && h > 20) {
        Gdiplus::SolidBrush overlay{Gdiplus::Color(m_overlay)};
        g.FillRectangle(&overlay, 10, 10, w - 20, h - 20);
    }
}

bool CAppearance::Contains(const std::vector<int>& ids, int id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

HBRUSH CAppearance::CtlColor(HDC dc, HWND control, UINT ctlMessage) const {
    if (ctlMessage == WM_CTLCOLORDLG) return m_darkMode && !HasPicture() ? m_black.Get() : nullptr;
    const bool isStatic = ctlMessage == WM_CTLCOLORSTATIC;
    const int id = ::GetDlgCtrlID(control);
    HBRUSH hollow = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));

    if (!m_darkMode) {
        if (isStatic && Contains(m_transparent, id)) {
            ::SetBkMode(dc, TRANSPARENT);
            return hollow;
        }
        return nullptr;
    }
    if (ctlMessage == WM_CTLCOLOREDIT || (isStatic && Contains(m_values, id))) {
        ::SetTextColor(dc, kDarkValue);
        ::SetBkColor(dc, kDarkBack);
        return m_black.Get();
    }
    if (isStatic && Contains(m_captions, id)) {
        // Opaque in the window's own background colour: it hides the frame line.
        ::SetTextColor(dc, kDarkText);
        ::SetBkColor(dc, kDarkBack);
        ::SetBkMode(dc, OPAQUE);
        return m_black.Get();
    }
    if (isStatic) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, Contains(m_titles, id) ? kDarkValue : kDarkText);
        return hollow;
    }
    return nullptr;
}
