// The main window as start-up runs it.
#include "app/COrvanelApp.h"
#include "app/COrvanelDlg.h"
#include "tools/showcase/ShowcaseRegistry.h"

static ShowcaseEntry mainWindow(L"main", [] {
    COrvanelApp* app = GetApp();
    app->m_collectors.Build();
    COrvanelDlg dlg(app->Context());
    app->m_pMainWnd = &dlg;
    dlg.DoModal();
    app->m_pMainWnd = nullptr;
});
