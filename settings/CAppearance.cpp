#include "settings/CAppearance.h"

#include "resources/resource.h"

CAppearance::CAppearance() : m_black(::CreateSolidBrush(kDarkBack)) {}

CAppearance::~CAppearance() = default;

void CAppearance::LoadPicture() {
    m_picturePainted = true;
    m_picture = LoadPngResource(IDB_BACKGROUND);
}

void RedrawNow(HWND wnd) {
    ::RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CAppearance::ApplyDarkMode(HWND wnd, bool dark) {
    m_dark = dark;
    if (m_picturePainted) {
        if (dark) {
            m_overlay = Gdiplus::Color::MakeARGB(0xE4, 0, 0, 0);
        } else {
            COLORREF face = ::GetSysColor(COLOR_BTNFACE);
            m_overlay = Gdiplus::Color::MakeARGB(0xFF, GetRValue(face), GetGValue(face), GetBValue(face));
        }
    }
    if (wnd) RedrawNow(wnd);
}

void CAppearance::ApplyFont(HWND dialog, HFONT appFont, std::initializer_list<int> ids) {
    HFONT font = appFont;
    if (!font) font = reinterpret_cast<HFONT>(::SendMessageW(dialog, WM_GETFONT, 0, 0));
    for (int id : ids) {
        if (HWND control = ::GetDlgItem(dialog, id))
            ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}

void CAppearance::PaintPlainPicture(HDC dc) const {
    if (!m_picture) return;
    Gdiplus::Graphics g(dc);
    g.DrawImage(m_picture.get(), 0, 0, static_cast<INT>(m_picture->GetWidth()), static_cast<INT>(m_picture->GetHeight()));
}

void CAppearance::PaintPicture(HDC dc, const RECT& client, bool stretch) const {
    const INT w = client.right - client.left, h = client.bottom - client.top;
    Gdiplus::Graphics g(dc);
    if (m_picture) {
        if (stretch)
            g.DrawImage(m_picture.get(), 0, 0, w, h);
        else
            g.DrawImage(m_picture.get(), 0, 0, static_cast<INT>(m_picture->GetWidth()),
                        static_cast<INT>(m_picture->GetHeight()));
    }
    if (w > 20 && h > 20) {
        Gdiplus::SolidBrush overlay{Gdiplus::Color(m_overlay)};
        g.FillRectangle(&overlay, 10, 10, w - 20, h - 20);
    }
}

HBRUSH CAppearance::CtlColor(HDC dc, HWND control, UINT ctlMessage, std::initializer_list<int> valueIds) const {
    if (!m_dark) return nullptr;
    if (ctlMessage == WM_CTLCOLORDLG) return m_picturePainted ? nullptr : m_black.Get();

    const int id = ::GetDlgCtrlID(control);
    bool valueField = ctlMessage == WM_CTLCOLOREDIT;
    for (int v : valueIds) valueField = valueField || (ctlMessage == WM_CTLCOLORSTATIC && id == v);
    if (valueField) {
        ::SetTextColor(dc, kDarkValue);
        ::SetBkColor(dc, kDarkBack);
        return m_black.Get();
    }
    if (ctlMessage == WM_CTLCOLORSTATIC) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, id == kTitleLabelId ? kDarkValue : kDarkText);
        return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    }
    return nullptr;
}
