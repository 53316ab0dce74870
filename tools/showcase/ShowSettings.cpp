// The settings and About dialogs on their own.
#include "app/CAboutDlg.h"
#include "settings/CDlgSettings.h"
#include "tools/showcase/ShowcaseRegistry.h"

static ShowcaseEntry settings(L"settings", [] {
    CDlgSettings dlg(nullptr);
    dlg.DoModal();
});

static ShowcaseEntry about(L"about", [] {
    CAboutDlg dlg;
    dlg.DoModal();
});
