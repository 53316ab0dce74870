// The main window with one of its section pages selected in the tree.
#include <windows.h>
#include <commctrl.h>

#include "app/COrvanelApp.h"
#include "app/COrvanelDlg.h"
#include "tools/showcase/ShowcaseRegistry.h"

namespace {

size_t g_section = 0;
COrvanelDlg* g_window = nullptr;

// A thread timer: it runs inside the dialog's modal loop once the window exists.
void CALLBACK SelectSection(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_window || !g_window->GetSafeHwnd()) return;
    ::KillTimer(nullptr, id);
    HWND tree = g_window->Tree();
    HTREEITEM item = TreeView_GetRoot(tree);
    for (size_t i = 0; item && i < g_section; ++i) item = TreeView_GetNextSibling(tree, item);
    if (item) TreeView_SelectItem(tree, item);
}

void ShowSection(size_t section) {
    COrvanelApp* app = GetApp();
    app->m_collectors.Build();
    COrvanelDlg dlg(app->Context());
    g_section = section;
    g_window = &dlg;
    app->m_pMainWnd = &dlg;
    ::SetTimer(nullptr, 0, 200, SelectSection);
    dlg.DoModal();
    app->m_pMainWnd = nullptr;
    g_window = nullptr;
}

ShowcaseEntry summary(L"page-summary", [] { ShowSection(0); });
ShowcaseEntry software(L"page-software", [] { ShowSection(1); });
ShowcaseEntry cpu(L"page-cpu", [] { ShowSection(2); });
ShowcaseEntry memory(L"page-memory", [] { ShowSection(3); });
ShowcaseEntry graphics(L"page-graphics", [] { ShowSection(4); });
ShowcaseEntry motherboard(L"page-motherboard", [] { ShowSection(5); });
ShowcaseEntry storage(L"page-storage", [] { ShowSection(6); });
ShowcaseEntry network(L"page-network", [] { ShowSection(7); });
ShowcaseEntry audio(L"page-audio", [] { ShowSection(8); });

}  // namespace
