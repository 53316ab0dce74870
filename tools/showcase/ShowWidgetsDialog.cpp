// The widgets dialog with a widget selected, over the first run's five
// widgets (one of them red and see-through).
#include <windows.h>
#include <commctrl.h>

#include "app/COrvanelApp.h"
#include "resources/resource.h"
#include "tools/showcase/ShowcaseRegistry.h"
#include "widgets/CDlgWidgets.h"
#include "widgets/CWidgetManager.h"

namespace {

class CShowcaseWidgetsDialog : public CDlgWidgets {
public:
    CShowcaseWidgetsDialog(const CWindowContext& ctx, CWidgetManager& widgets, int select)
        : CDlgWidgets(ctx, widgets), m_select(select) {}

protected:
    BOOL OnInitDialog() override {
        const BOOL result = CDlgWidgets::OnInitDialog();
        HWND list = GetDlgItem(IDC_WIDGETS_LIST);
        ListView_SetItemState(list, m_select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, m_select, FALSE);
        return result;
    }

private:
    int m_select;
};

ShowcaseEntry widgetsDialog(L"widgets-dialog", [] {
    COrvanelApp* app = GetApp();
    app->m_options.SetBool(L"fWidgetsEnable", true);
    CWidgetManager manager(app->Context());
    manager.Load();
    for (const wchar_t* kind :
         {L"CPUUsageWithArrow", L"MemoryUsageWithArrow", L"StorageUsageHistory", L"DateTime", L"OperatingSystem"})
        if (int i = manager.IndexOf(kind); i >= 0) manager.Settings(static_cast<size_t>(i)).Enable = true;
    const int selected = manager.IndexOf(L"MemoryUsageWithArrow");
    if (selected >= 0) {
        WidgetSettings& s = manager.Settings(static_cast<size_t>(selected));
        s.Color = 0xFFFF0000;
        s.Opacity = 80;
        s.Moveable = true;
    }
    CShowcaseWidgetsDialog dlg(app->Context(), manager, selected);
    dlg.DoModal();
});

}  // namespace
