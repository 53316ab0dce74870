#include "app/CAboutDlg.h"

#include "app/WebLinks.h"
#include "framework/Fonts.h"
#include "resources/resource.h"

namespace {
const COLORREF kLinkColor = RGB(2, 103, 204);

bool IsLink(int id) { return id == IDC_ABOUT_WEB_LINK || id == IDC_ABOUT_FONT_LINK; }
}  // namespace

CAboutDlg::CAboutDlg(const CWindowContext& ctx) : CStyledDialog(ctx, IDD_ABOUTBOX, nullptr, Background::FramedPicture) {
    m_look.AddTitles({IDC_ABOUT_TITLE});
    // The texts lie on the picture's overlay in light mode too.
    m_look.AddTransparentStatics({IDC_ABOUT_TITLE, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT});
}

BOOL CAboutDlg::OnInitDialog() {
    CStyledDialog::OnInitDialog();

    SetWindowText(Text(2));
    SetDlgItemText(IDC_ABOUT_VERSION, Text(1));
    ApplyAppFont({IDC_ABOUT_TITLE, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT});
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

HBRUSH CAboutDlg::OnCtlColor(HDC dc, HWND control, UINT ctlType) {
    if (ctlType == WM_CTLCOLORSTATIC && IsLink(::GetDlgCtrlID(control))) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, kLinkColor);
        return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    }
    return CStyledDialog::OnCtlColor(dc, control, ctlType);
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
        default:
            return CStyledDialog::OnMessage(msg, wp, lp, result);
    }
}
