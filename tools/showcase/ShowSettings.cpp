// The settings and About dialogs on their own.
#include "app/CAboutDlg.h"
#include "app/COrvanelApp.h"
#include "settings/CDlgSettings.h"
#include "tools/showcase/ShowcaseRegistry.h"

static ShowcaseEntry settings(L"settings", [] {
    CDlgSettings dlg(GetApp()->Context(), nullptr);
    dlg.DoModal();
});

static ShowcaseEntry about(L"about", [] {
    CAboutDlg dlg(GetApp()->Context());
    dlg.DoModal();
});
