#pragma once
// The main window: the section tree on the left, the selected section's page
// to its right, the menu bar, and the notification-area icon.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "app/CTray.h"
#include "resources/resource.h"
#include "settings/CStyledDialog.h"

struct PAGE {
    std::wstring text;
    HTREEITEM item = nullptr;
    std::unique_ptr<CDialogEx> page;
};

class CWidgetManager;

class COrvanelDlg : public CStyledDialog {
public:
    static constexpr UINT_PTR IDT_UPDATE_CHECK = 1;
    static constexpr size_t kSections = 9;

    // `widgets`, when given, follow the language and open from the menu.
    explicit COrvanelDlg(const CWindowContext& ctx, CWidgetManager* widgets = nullptr);
    ~COrvanelDlg() override;

    // Builds the tree and the nine pages anew. With `onlyFirst` only the
    // first section's page (the one the tree selects) is created now; the
    // other eight follow through the window's own queue once it has painted
    // (at once when it starts hidden), before any click on the tree.
    void RebuildPages(bool onlyFirst = false);

    // The page of a section (tree position), or nullptr.
    CDialogEx* Page(size_t section) const;
    const std::vector<PAGE>& Pages() const { return m_pages; }
    HWND Tree() const { return GetDlgItem(IDC_TREE); }

    bool m_fAutoStart = false;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override;
    void OnTimer(UINT_PTR id) override;
    bool OnPaint() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    std::unique_ptr<CDialogEx> CreatePageObject(size_t section);
    void CreatePage(size_t section);
    void PostMorePages();
    void CreateRemainingPages();
    bool Paint();
    void ApplyTreeFont();
    void ApplyTreeColours();
    void OpenFromTray();
    LRESULT OnTreeCustomDraw(NMTVCUSTOMDRAW* cd);

    CWidgetManager* m_widgets = nullptr;
    HICON m_hIcon = nullptr;
    HICON m_hIconSmall = nullptr;
    CTray m_tray;
    std::vector<PAGE> m_pages;
    HIMAGELIST m_imageList = nullptr;
    COLORREF m_savedTreeBk = static_cast<COLORREF>(-1);
    UINT m_taskbarCreated = 0;
    bool m_pagesLeft = false;        // pages wait for WM_MORE_PAGES (or the first selection change)
    bool m_morePagesPosted = false;
};
