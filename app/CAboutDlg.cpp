#include "app/CAboutDlg.h"

#include "app/WebLinks.h"
#include "framework/Fonts.h"
#include "resources/resource.h"

namespace {
const COLORREF kLinkColor = RGB(2, 103, 204);

bool IsLink(int id) { return id == IDC_ABOUT_WEB_LINK || id == IDC_ABOUT_FONT_LINK; }
}  // namespace

CAboutDlg::CAboutDlg(const CWindowContext& ctx) : CStyledDialog(ctx, IDD_ABOUTBOX) {}

BOOL CAboutDlg::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    m_look.LoadPicture();

    SetWindowText(Text(2));
    SetDlgItemText(IDC_ABOUT_VERSION, Text(1));
    m_look.ApplyDarkMode(m_hWnd, Options().GetBool(L"fDarkMode"));
    if (HFONT font = AppFont()) {
        for (int id : {IDC_ABOUT_TITLE, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT})
            ::SendMessageW(GetDlgItem(id), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    if (!m_titleFont) {
        m_titleFont.Reset(DeriveFont(GetDlgItem(IDC_ABOUT_TITLE), [](LOGFONTW& lf) {
            lf.lfWeight = FW_BOLD;
            lf.lfHeight = 14;
        }));
        ::SendMessageW(GetDlgItem(IDC_ABOUT_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.Get()), TRUE);
    }
    if (!m_fontLinkFont) {
        m_fontLinkFont.Reset(DeriveFont(GetDlgItem(IDC_ABOUT_FONT_LINK), [](LOGFONTW& lf) {
            lf.lfHeight = 10;
            lf.lfUnderline = TRUE;
        }));
        ::SendMessageW(GetDlgItem(IDC_ABOUT_FONT_LINK), WM_SETFONT, reinterpret_cast<WPARAM>(m_fontLinkFont.Get()), TRUE);
    }
    if (!m_webLinkFont) {
        m_webLinkFont.Reset(DeriveFont(GetDlgItem(IDC_ABOUT_WEB_LINK), [](LOGFONTW& lf) { lf.lfUnderline = TRUE; }));
        ::SendMessageW(GetDlgItem(IDC_ABOUT_WEB_LINK), WM_SETFONT, reinterpret_cast<WPARAM>(m_webLinkFont.Get()), TRUE);
    }
    return TRUE;
}

bool CAboutDlg::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    m_look.PaintPicture(dc, GetClientRect());
    ::EndPaint(m_hWnd, &ps);
    return true;
}

HBRUSH CAboutDlg::OnCtlColor(HDC dc, HWND control, UINT ctlType) {
    const int id = ::GetDlgCtrlID(control);
    if (ctlType != WM_CTLCOLORSTATIC) return nullptr;
    HBRUSH hollow = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    if (IsLink(id)) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, kLinkColor);
        return hollow;
    }
    if (id == IDC_ABOUT_ICON) return m_look.Dark() ? hollow : nullptr;
    ::SetBkMode(dc, TRANSPARENT);
    if (m_look.Dark()) ::SetTextColor(dc, id == kTitleLabelId ? kDarkValue : kDarkText);
    return hollow;
}

bool CAboutDlg::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (code != STN_CLICKED) return false;
    if (id == IDC_ABOUT_WEB_LINK) {
        OpenWebPage(WebPage::MakerHome);
        return true;
    }
    if (id == IDC_ABOUT_FONT_LINK) {
        OpenWebPage(WebPage::FontPage);
        return true;
    }
    return false;
}

bool CAboutDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_SETCURSOR:
            if (IsLink(::GetDlgCtrlID(reinterpret_cast<HWND>(wp)))) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                *result = TRUE;
                return true;
            }
            return false;
        case WM_ERASEBKGND:
            *result = 1;
            return true;
        default:
            return CStyledDialog::OnMessage(msg, wp, lp, result);
    }
}
