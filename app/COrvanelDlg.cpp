#include "app/COrvanelDlg.h"

#include "app/AppMessages.h"
#include "app/CAboutDlg.h"
#include "app/WebLinks.h"
#include "app/core/WebAddresses.h"
#include "pages/CDlgWEI.h"
#include "pages/SectionPages.h"
#include "resources/resource.h"
#include "services/CDlgScreensaver.h"
#include "services/CUpdate.h"
#include "services/core/UpdateFile.h"
#include "smart/CDlgSMART.h"
#include "settings/CDlgSettings.h"
#include "widgets/CDlgWidgets.h"
#include "widgets/CWidgetManager.h"

namespace {

struct Section {
    int text;
    UINT icon;
};

// Tree order; the image index of each item equals its position.
const Section kSectionTable[COrvanelDlg::kSections] = {
    {12, IDI_SECTION_SUMMARY},     {13, IDI_SECTION_SOFTWARE}, {14, IDI_SECTION_CPU},
    {15, IDI_SECTION_MEMORY},      {16, IDI_SECTION_GRAPHICS}, {17, IDI_SECTION_MOTHERBOARD},
    {18, IDI_SECTION_STORAGE},     {19, IDI_SECTION_NETWORK},  {20, IDI_SECTION_AUDIO},
};

// Top-level menu items by position, then items anywhere by command.
const MenuText kMenuByPosition[] = {
    {ID_WIDGETS, 11}, {ID_SCREENSAVER, 127}, {ID_TOOLS, 151}, {ID_SETTINGS, 5}, {0, 6},
};
const MenuText kMenuByCommand[] = {
    {ID_WINSAT, 150},     {ID_WEB_APP, 152},     {ID_WEB_APP_IP_LOOKUP, 154}, {ID_WEB_APP_TERRAVUE, 155},
    {ID_HELP_HELP, 6},    {ID_HELP_UPDATE, 7},   {ID_HELP_ABOUT, 0},
};

// The selected section in dark mode.
const COLORREF kDarkGreen = RGB(0, 100, 0);

}  // namespace

COrvanelDlg::COrvanelDlg(const CWindowContext& ctx, CWidgetManager* widgets)
    : CStyledDialog(ctx, IDD_ORVANEL_DIALOG, nullptr, Background::Picture), m_widgets(widgets) {
    HINSTANCE inst = ::GetModuleHandleW(nullptr);
    m_hIcon = static_cast<HICON>(::LoadImageW(inst, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                              ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON), 0));
    m_hIconSmall = static_cast<HICON>(::LoadImageW(inst, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
}

COrvanelDlg::~COrvanelDlg() {
    m_pages.clear();
    if (m_imageList) ImageList_Destroy(m_imageList);
    if (m_hIcon) ::DestroyIcon(m_hIcon);
    if (m_hIconSmall) ::DestroyIcon(m_hIconSmall);
}

BOOL COrvanelDlg::OnInitDialog() {
    CStyledDialog::OnInitDialog();

    // The About item stays English: it comes from the program's own table.
    const std::wstring about = CTranslate::BuiltInText(0);
    if (HMENU sys = ::GetSystemMenu(m_hWnd, FALSE); sys && !about.empty()) {
        ::AppendMenuW(sys, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(sys, MF_STRING, IDM_ABOUTBOX, about.c_str());
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIconSmall));

    m_tray.SetOwner(m_hWnd);
    if (m_fAutoStart) m_tray.Add();
    m_taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");

    HWND tree = Tree();
    TreeView_SetItemHeight(tree, 18);
    m_imageList = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 8, 8);
    for (const auto& s : kSectionTable) {
        HICON icon = static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(s.icon), IMAGE_ICON, 16, 16, 0));
        ImageList_AddIcon(m_imageList, icon);
        if (icon) ::DestroyIcon(icon);
    }
    TreeView_SetImageList(tree, m_imageList, TVSIL_NORMAL);

    m_savedTreeBk = TreeView_GetBkColor(tree);
    if (DarkMode()) ApplyTreeColours();
    ApplyTreeFont();
    // Start-up shows its window with the selected page first.
    RebuildPages(/*onlyFirst=*/m_modal);
    if (m_fAutoStart) PostMorePages();

    if (!m_fAutoStart) ::SetForegroundWindow(m_hWnd);
    SetTimer(IDT_UPDATE_CHECK, 60000);
    return TRUE;
}

void COrvanelDlg::ApplyTreeColours() { TreeView_SetBkColor(Tree(), DarkMode() ? kDarkBack : m_savedTreeBk); }

void COrvanelDlg::ApplyTreeFont() {
    ApplyAppFont({IDC_TREE});
}

std::unique_ptr<CDialogEx> COrvanelDlg::CreatePageObject(size_t section) {
    return CreateSectionPage(section, m_ctx, this);
}

void COrvanelDlg::CreatePage(size_t section) {
    PAGE& p = m_pages[section];
    p.page = CreatePageObject(section);
    if (p.page && p.page->Create(p.page->TemplateId(), this)) {
        ::SetWindowPos(p.page->m_hWnd, nullptr, 146, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        p.page->ShowWindow(SW_HIDE);
    }
}

void COrvanelDlg::CreateRemainingPages() {
    if (m_pagesLeft)
        for (size_t i = 0; i < m_pages.size(); ++i)
            if (!m_pages[i].page) CreatePage(i);
    m_pagesLeft = m_morePagesPosted = false;
}

void COrvanelDlg::PostMorePages() {
    if (m_pagesLeft && !m_morePagesPosted) m_morePagesPosted = PostMessage(WM_MORE_PAGES) != FALSE;
}

void COrvanelDlg::RebuildPages(bool onlyFirst) {
    m_ctx.texts.TranslateMenu(GetMenu(), kMenuByPosition, sizeof(kMenuByPosition) / sizeof(kMenuByPosition[0]),
                                        kMenuByCommand, sizeof(kMenuByCommand) / sizeof(kMenuByCommand[0]));
    ::DrawMenuBar(m_hWnd);

    HWND tree = Tree();
    TreeView_DeleteAllItems(tree);
    for (auto& p : m_pages)
        if (p.page) p.page->DestroyWindow();
    m_pages.clear();

    m_pages.resize(kSections);
    for (size_t i = 0; i < kSections; ++i) {
        m_pages[i].text = Text(kSectionTable[i].text);
        if (!onlyFirst || i == 0) CreatePage(i);
    }
    m_pagesLeft = onlyFirst;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        ins.item.pszText = const_cast<wchar_t*>(m_pages[i].text.c_str());
        ins.item.iImage = ins.item.iSelectedImage = static_cast<int>(i);
        m_pages[i].item = TreeView_InsertItem(tree, &ins);
    }
}

CDialogEx* COrvanelDlg::Page(size_t section) const {
    return section < m_pages.size() ? m_pages[section].page.get() : nullptr;
}

void COrvanelDlg::OnCancel() {
    if (Options().GetBool(L"fWidgetsEnable")) {
        // With widgets on, closing only sends the window to the notification area.
        ShowWindow(SW_MINIMIZE);
        return;
    }
    EndDialog(IDCANCEL);
}

void COrvanelDlg::OpenFromTray() {
    m_fAutoStart = false;
    ShowWindow(SW_SHOW);
    ShowWindow(SW_RESTORE);
    ::SetForegroundWindow(m_hWnd);
    m_tray.Delete();
}

void COrvanelDlg::OnTimer(UINT_PTR id) {
    if (id == IDT_UPDATE_CHECK) {
        KillTimer(IDT_UPDATE_CHECK);
        StartUpdateCheck(m_hWnd, UpdateFileAddress(ORVANEL_PRODUCT_SITE, Options().GetString(L"strLanguage")),
                         Text(148));
    }
}

bool COrvanelDlg::OnPaint() {
    if (m_pagesLeft && !m_morePagesPosted) {
        Paint();
        // The tree and the page paint now, and only then come the other pages.
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PostMorePages();
        return true;
    }
    return Paint();
}

bool COrvanelDlg::Paint() {
    if (::IsIconic(m_hWnd)) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        RECT rc = GetClientRect();
        int cx = ::GetSystemMetrics(SM_CXICON), cy = ::GetSystemMetrics(SM_CYICON);
        ::DrawIcon(dc, (rc.right - cx + 1) / 2, (rc.bottom - cy + 1) / 2, m_hIcon);
        ::EndPaint(m_hWnd, &ps);
        return true;
    }
    return CStyledDialog::OnPaint();
}

bool COrvanelDlg::OnCommand(UINT id, UINT /*code*/, HWND /*control*/) {
    switch (id) {
        case ID_TRAY_OPEN: OpenFromTray(); return true;
        case ID_TRAY_HELP:
        case ID_TRAY_UPDATE:
        case ID_HELP_HELP:
        case ID_HELP_UPDATE: OpenWebPage(WebPage::WindowsApp); return true;
        case ID_TRAY_EXIT:
            m_tray.Delete();
            EndDialog(0);
            return true;
        case ID_WEB_APP: OpenWebPage(WebPage::ProductHome); return true;
        case ID_WEB_APP_IP_LOOKUP: OpenWebPage(WebPage::IpAddressLookup); return true;
        case ID_WEB_APP_TERRAVUE: OpenWebPage(WebPage::Planet); return true;
        case ID_OTHER_PRODUCT: OpenWebPage(WebPage::OtherProduct); return true;
        case ID_SMART: {
            CDlgSMART dlg(m_ctx, this);
            dlg.DoModal();
            return true;
        }
        case ID_SETTINGS: {
            CDlgSettings dlg(m_ctx, this);
            dlg.DoModal();
            return true;
        }
        case ID_HELP_ABOUT: {
            CAboutDlg dlg(m_ctx);
            dlg.DoModal();
            return true;
        }
        case ID_SCREENSAVER: {
            CDlgScreensaver dlg(m_ctx, this);
            dlg.DoModal();
            return true;
        }
        case ID_WINSAT: {
            {
                CDlgWEI wei(m_ctx, this);
                wei.DoModal();
            }
            ::SendMessageW(m_hWnd, WM_APP_WEI, 0, 0);
            return true;
        }
        case ID_WIDGETS:
            if (m_widgets) {
                CDlgWidgets dlg(m_ctx, *m_widgets, this);
                dlg.DoModal();
            }
            return true;
        default: return false;
    }
}

LRESULT COrvanelDlg::OnTreeCustomDraw(NMTVCUSTOMDRAW* cd) {
    if (!DarkMode()) return CDRF_DODEFAULT;
    switch (cd->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (cd->nmcd.uItemState & CDIS_SELECTED) {
                cd->nmcd.uItemState &= ~CDIS_SELECTED;
                cd->clrText = kDarkText;
                cd->clrTextBk = kDarkGreen;
            } else {
                cd->clrText = kDarkValue;
                cd->clrTextBk = kDarkBack;
            }
            return CDRF_DODEFAULT;
        default: return CDRF_DODEFAULT;
    }
}

bool COrvanelDlg::OnNotify(NMHDR* hdr, LRESULT* result) {
    if (hdr->idFrom != IDC_TREE) return false;
    if (hdr->code == NM_CUSTOMDRAW) {
        *result = OnTreeCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(hdr));
        return true;
    }
    if (hdr->code == TVN_SELCHANGEDW || hdr->code == TVN_SELCHANGEDA) {
        auto* tv = reinterpret_cast<NMTREEVIEWW*>(hdr);
        // A selection sent to the tree (not a click, which queues behind the
        // posted message) can come before the other pages exist.
        for (const auto& p : m_pages)
            if (p.item == tv->itemNew.hItem && !p.page) CreateRemainingPages();
        for (auto& p : m_pages) {
            if (p.item == tv->itemOld.hItem && p.page && p.page->m_hWnd) p.page->ShowWindow(SW_HIDE);
        }
        for (auto& p : m_pages) {
            if (p.item == tv->itemNew.hItem && p.page && p.page->m_hWnd) p.page->ShowWindow(SW_SHOW);
        }
        *result = 0;
        return true;
    }
    return false;
}

void COrvanelDlg::OnDestroy() {
    m_tray.Delete();
}

bool COrvanelDlg::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    switch (msg) {
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == IDM_ABOUTBOX) {
                CAboutDlg dlg(m_ctx);
                dlg.DoModal();
                return true;
            }
            return false;
        case WM_QUERYDRAGICON:
            *result = reinterpret_cast<LRESULT>(m_hIcon);
            return true;
        case WM_WINDOWPOSCHANGING:
            // Started hidden: the modal window never shows until opened from the icon.
            if (m_fAutoStart) reinterpret_cast<WINDOWPOS*>(lp)->flags &= ~SWP_SHOWWINDOW;
            return false;
        case WM_SIZE:
            if (wp == SIZE_MINIMIZED) {
                ::Sleep(500);
                ShowWindow(SW_HIDE);
                m_tray.Add();
            }
            return false;
        case WM_TRAY_NOTIFY:
            if (lp == WM_LBUTTONDBLCLK)
                OpenFromTray();
            else if (lp == WM_RBUTTONUP)
                m_tray.ShowMenu();
            *result = 1;
            return true;
        case WM_MORE_PAGES:
            CreateRemainingPages();
            return true;
        case WM_APP_LANGUAGE:
            RebuildPages();
            // The widgets' names follow the language.
            if (m_widgets) m_widgets->Reload(Options().GetBool(L"fWidgetsEnable"));
            return true;
        case WM_APP_DARKMODE:
            m_look.ApplyDarkMode(nullptr, Options().GetBool(L"fDarkMode"));
            ApplyTreeColours();
            RebuildPages();
            return true;
        case WM_APP_FONT:
            ApplyTreeFont();
            RebuildPages();
            return true;
        case WM_APP_WEI:
            for (size_t section : kWeiSections) UpdatePageWeiScore(Page(section));
            return true;
        default:
            if (m_taskbarCreated && msg == m_taskbarCreated) {
                // Explorer restarted: a window living in the notification
                // area needs its icon back or it cannot be reached.
                if (!IsWindowVisible()) m_tray.Add();
                return true;
            }
            return CStyledDialog::OnMessage(msg, wp, lp, result);
    }
}
