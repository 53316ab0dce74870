#include "widgets/CDlgWidgets.h"

#include <commctrl.h>

#include <array>

#include "resources/resource.h"
#include "services/Autorun.h"
#include "widgets/CDlgWidget.h"
#include "widgets/CWidgetManager.h"
#include "widgets/core/WidgetChoices.h"
#include "widgets/core/WidgetRow.h"

namespace {

struct LabelText {
    int id;
    size_t text;
};
const LabelText kLabels[] = {
    {IDC_WIDGETS_ENABLE_LABEL, 29},      {IDC_WIDGETS_AUTORUN_LABEL, 34},   {IDC_WIDGETS_SHOW_LABEL, 24},
    {IDC_WIDGETS_MOVEABLE_LABEL, 25},    {IDC_WIDGETS_DISPLAY_LABEL, 26},   {IDC_WIDGETS_ON_DESKTOP_LABEL, 27},
    {IDC_WIDGETS_ON_TOP_LABEL, 28},      {IDC_WIDGETS_COLOR_LABEL, 95},     {IDC_WIDGETS_BACKGROUND_LABEL, 100},
    {IDC_WIDGETS_OPACITY_LABEL, 101},
};

// Name, State, Moveable, Color, Background, Opacity.
const size_t kColumnTexts[kWidgetRowColumns] = {30, 31, 25, 95, 100, 101};
constexpr int kColumnStartWidth = 50;
constexpr int kHeaderMargins = 12;  // left and right of a header's text

// Every option control with its label: hidden while no widget is selected.
const int kOptionControls[] = {
    IDC_WIDGETS_SHOW,         IDC_WIDGETS_SHOW_LABEL,       IDC_WIDGETS_MOVEABLE,    IDC_WIDGETS_MOVEABLE_LABEL,
    IDC_WIDGETS_DISPLAY_LABEL, IDC_WIDGETS_ON_DESKTOP,      IDC_WIDGETS_ON_DESKTOP_LABEL, IDC_WIDGETS_ON_TOP,
    IDC_WIDGETS_ON_TOP_LABEL, IDC_WIDGETS_COLOR,            IDC_WIDGETS_COLOR_LABEL, IDC_WIDGETS_BACKGROUND,
    IDC_WIDGETS_BACKGROUND_LABEL, IDC_WIDGETS_OPACITY,      IDC_WIDGETS_OPACITY_SPIN, IDC_WIDGETS_OPACITY_LABEL,
};
// The controls a hidden widget cannot use.
const int kWidgetOptions[] = {IDC_WIDGETS_MOVEABLE,   IDC_WIDGETS_ON_DESKTOP, IDC_WIDGETS_ON_TOP,
                              IDC_WIDGETS_COLOR,      IDC_WIDGETS_BACKGROUND, IDC_WIDGETS_OPACITY};

void Check(HWND dialog, int id, bool on) { ::CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
bool Checked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

}  // namespace

CDlgWidgets::CDlgWidgets(const CWindowContext& ctx, CWidgetManager& widgets, CWnd* parent)
    : CStyledDialog(ctx, IDD_WIDGETS, parent, Background::FramedPicture), m_widgets(widgets) {}

BOOL CDlgWidgets::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    SetTexts();
    FillColorCombo();
    ApplyAppFont({IDC_WIDGETS_ENABLE_LABEL, IDC_WIDGETS_AUTORUN_LABEL, IDC_WIDGETS_SHOW_LABEL,
                  IDC_WIDGETS_MOVEABLE_LABEL, IDC_WIDGETS_DISPLAY_LABEL, IDC_WIDGETS_ON_DESKTOP_LABEL,
                  IDC_WIDGETS_ON_TOP_LABEL, IDC_WIDGETS_COLOR_LABEL, IDC_WIDGETS_BACKGROUND_LABEL,
                  IDC_WIDGETS_OPACITY_LABEL, IDC_WIDGETS_LIST, IDC_WIDGETS_COLOR, IDC_WIDGETS_OPACITY});

    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    const bool widgetsOn = Options().GetBool(L"fWidgetsEnable");
    Check(m_hWnd, IDC_WIDGETS_ENABLE, widgetsOn);
    ::EnableWindow(list, widgetsOn);
    Check(m_hWnd, IDC_WIDGETS_AUTORUN, AutorunTaskExists());
    ::SendDlgItemMessageW(m_hWnd, IDC_WIDGETS_OPACITY_SPIN, UDM_SETRANGE32, kWidgetOpacityMin, kWidgetOpacityMax);

    ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertColumns();
    FillList(-1);
    RefreshOptions();

    if (DarkMode()) {
        ListView_SetBkColor(list, kDarkBack);
        ListView_SetTextBkColor(list, kDarkBack);
        ListView_SetTextColor(list, kDarkValue);
    }
    SetTimer(kListTimer, kListPeriodMs);
    return TRUE;
}

void CDlgWidgets::SetTexts() {
    SetWindowText(Text(11));
    for (const LabelText& l : kLabels) SetDlgItemText(l.id, Text(l.text));
}

void CDlgWidgets::FillColorCombo() {
    HWND combo = GetDlgItem(IDC_WIDGETS_COLOR);
    for (size_t i = 0; i < kWidgetColorChoices.size(); ++i) {
        const std::wstring& name = Text(kWidgetColorChoices[i].TextIndex);
        const LRESULT item = ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (item >= 0) ::SendMessageW(combo, CB_SETITEMDATA, item, static_cast<LPARAM>(i));
    }
}

void CDlgWidgets::InsertColumns() {
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    for (int c = 0; c < kWidgetRowColumns; ++c) {
        LVCOLUMNW col{};
        col.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        col.cx = kColumnStartWidth;
        col.pszText = const_cast<wchar_t*>(Text(kColumnTexts[c]).c_str());
        col.iSubItem = c;
        ListView_InsertColumn(list, c, &col);
    }
}

void CDlgWidgets::FillList(int select) {
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    m_filling = true;
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    const WidgetRowWords words = WidgetRowWordsFrom([this](size_t i) -> const std::wstring& { return Text(i); });
    for (size_t r = 0; r < m_widgets.Count(); ++r) {
        const WidgetRow row = MakeWidgetRow(m_widgets.DisplayName(r), m_widgets.Settings(r), words);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = static_cast<int>(r);
        item.pszText = const_cast<wchar_t*>(row[0].c_str());
        item.lParam = static_cast<LPARAM>(r);
        const int index = ListView_InsertItem(list, &item);
        if (index < 0) continue;
        for (int c = 1; c < kWidgetRowColumns; ++c)
            ListView_SetItemText(list, index, c, const_cast<wchar_t*>(row[c].c_str()));
    }
    SizeColumns();
    if (select >= 0) ListView_SetItemState(list, select, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, select);
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
    m_filling = false;
}

void CDlgWidgets::SizeColumns() {
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    // Each column as wide as the wider of its header and its texts. The
    // header is measured here: the list's own header sizing leaves no room
    // for the header's margins with every font.
    std::array<int, kWidgetRowColumns> contents{}, headers{};
    for (int c = 0; c < kWidgetRowColumns; ++c) {
        ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE);
        contents[c] = ListView_GetColumnWidth(list, c);
        headers[c] = ListView_GetStringWidth(list, Text(kColumnTexts[c]).c_str()) + kHeaderMargins;
    }
    // In a language with long words that is wider than the list; rather
    // than scroll sideways, long headers and long names show their start.
    RECT client{};
    ::GetClientRect(list, &client);
    int room = client.right - client.left;
    if (!(::GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL) &&
        ListView_GetItemCount(list) > ListView_GetCountPerPage(list))
        room -= ::GetSystemMetrics(SM_CXVSCROLL);  // the scroll bar the rows will need
    const auto widths = FitWidgetColumns(contents, headers, room, 2 * kColumnStartWidth);
    for (int c = 0; c < kWidgetRowColumns; ++c) ListView_SetColumnWidth(list, c, widths[c]);
}

int CDlgWidgets::SelectedWidget() const {
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    if (row < 0) return -1;
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!ListView_GetItem(list, &item)) return -1;
    const size_t index = static_cast<size_t>(item.lParam);
    return index < m_widgets.Count() ? static_cast<int>(index) : -1;
}

void CDlgWidgets::EnableOptions(bool enable) {
    for (int id : kWidgetOptions) ::EnableWindow(GetDlgItem(id), enable);
}

void CDlgWidgets::RefreshOptions() {
    const int index = SelectedWidget();
    for (int id : kOptionControls) ::ShowWindow(GetDlgItem(id), index < 0 ? SW_HIDE : SW_SHOW);
    if (index < 0) return;

    const WidgetSettings& s = m_widgets.Settings(static_cast<size_t>(index));
    Check(m_hWnd, IDC_WIDGETS_SHOW, s.Enable);
    EnableOptions(s.Enable);
    Check(m_hWnd, IDC_WIDGETS_MOVEABLE, s.Moveable);
    Check(m_hWnd, IDC_WIDGETS_ON_DESKTOP, !s.Top);
    Check(m_hWnd, IDC_WIDGETS_ON_TOP, s.Top);

    HWND combo = GetDlgItem(IDC_WIDGETS_COLOR);
    const int choice = FindColorChoice(FormatWidgetColor(s.Color));
    m_colorItem = -1;
    const LRESULT items = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; choice >= 0 && i < items; ++i)
        if (::SendMessageW(combo, CB_GETITEMDATA, i, 0) == choice) m_colorItem = static_cast<int>(i);
    ::SendMessageW(combo, CB_SETCURSEL, m_colorItem, 0);

    Check(m_hWnd, IDC_WIDGETS_BACKGROUND, s.BG);
    ::SendDlgItemMessageW(m_hWnd, IDC_WIDGETS_OPACITY_SPIN, UDM_SETPOS32, 0, s.Opacity);
}

void CDlgWidgets::Changed(size_t index) {
    if (m_widgets.Settings(index).Enable)
        if (CDlgWidget* window = m_widgets.Window(index); window && window->m_hWnd) window->ApplySettings();
    m_widgets.SaveWidget(index);
    m_listChanged = true;
}

void CDlgWidgets::OnEnableClicked() {
    const bool on = Checked(m_hWnd, IDC_WIDGETS_ENABLE);
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    ::EnableWindow(list, on);
    Options().SetBool(L"fWidgetsEnable", on);
    if (on) {
        m_widgets.ShowEnabled();
        return;
    }
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetSelectionMark(list, -1);
    RefreshOptions();
    m_widgets.CloseEnabled();
    DeleteAutorunRunValue();
    // The logon task itself stays registered; the box says the program will
    // not bring widgets up at logon.
    Check(m_hWnd, IDC_WIDGETS_AUTORUN, false);
}

void CDlgWidgets::OnAutorunClicked() {
    // The box stays as the user set it, whatever the service answers.
    if (Checked(m_hWnd, IDC_WIDGETS_AUTORUN))
        CreateAutorunTask(OwnProgramPath());
    else
        DeleteAutorunTask();
}

void CDlgWidgets::OnShowClicked() {
    const int index = SelectedWidget();
    if (index < 0) return;
    const bool show = Checked(m_hWnd, IDC_WIDGETS_SHOW);
    EnableOptions(show);
    m_widgets.SetEnabled(static_cast<size_t>(index), show, true);
    m_listChanged = true;
}

void CDlgWidgets::OnMoveableClicked() {
    const int index = SelectedWidget();
    if (index < 0) return;
    m_widgets.Settings(static_cast<size_t>(index)).Moveable = Checked(m_hWnd, IDC_WIDGETS_MOVEABLE);
    Changed(static_cast<size_t>(index));
}

void CDlgWidgets::OnPlacementClicked(bool onTop) {
    const int index = SelectedWidget();
    if (index < 0) return;
    m_widgets.Settings(static_cast<size_t>(index)).Top = onTop;
    Check(m_hWnd, IDC_WIDGETS_ON_DESKTOP, !onTop);
    Check(m_hWnd, IDC_WIDGETS_ON_TOP, onTop);
    Changed(static_cast<size_t>(index));
}

void CDlgWidgets::OnColorChosen() {
    HWND combo = GetDlgItem(IDC_WIDGETS_COLOR);
    const LRESULT item = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    m_colorItem = item == CB_ERR ? -1 : static_cast<int>(item);
    const int index = SelectedWidget();
    if (m_colorItem < 0 || index < 0) return;
    const size_t choice = static_cast<size_t>(::SendMessageW(combo, CB_GETITEMDATA, item, 0));
    if (choice >= kWidgetColorChoices.size()) return;
    m_widgets.Settings(static_cast<size_t>(index)).Color = ParseWidgetColor(kWidgetColorChoices[choice].Color);
    Changed(static_cast<size_t>(index));
}

void CDlgWidgets::OnColorEdited() {
    // The colour is chosen, never typed: put the chosen name back.
    if (m_colorItem < 0) return;
    HWND combo = GetDlgItem(IDC_WIDGETS_COLOR);
    const LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, m_colorItem, 0);
    if (length < 0) return;
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    ::SendMessageW(combo, CB_GETLBTEXT, m_colorItem, reinterpret_cast<LPARAM>(&name[0]));
    name.resize(static_cast<size_t>(length));
    ::SetWindowTextW(combo, name.c_str());
}

void CDlgWidgets::OnBackgroundClicked() {
    const int index = SelectedWidget();
    if (index < 0) return;
    m_widgets.Settings(static_cast<size_t>(index)).BG = Checked(m_hWnd, IDC_WIDGETS_BACKGROUND);
    Changed(static_cast<size_t>(index));
}

void CDlgWidgets::OnOpacityArrow(const NMUPDOWN& change, LRESULT* result) {
    const int index = SelectedWidget();
    if (index < 0) return;
    const int opacity = OpacityAfterArrow(change.iPos, change.iDelta);
    m_widgets.Settings(static_cast<size_t>(index)).Opacity = opacity;
    // The box shows what was stored, also when it held a typed number
    // outside the range.
    *result = 1;
    ::SendDlgItemMessageW(m_hWnd, IDC_WIDGETS_OPACITY_SPIN, UDM_SETPOS32, 0, opacity);
    Changed(static_cast<size_t>(index));
}

void CDlgWidgets::OnListTimer() {
    if (!m_listChanged) return;
    m_listChanged = false;
    HWND list = GetDlgItem(IDC_WIDGETS_LIST);
    const int top = ListView_GetTopIndex(list);
    FillList(SelectedWidget());
    RECT first{};
    if (top > 0 && ListView_GetItemRect(list, 0, &first, LVIR_BOUNDS))
        ListView_Scroll(list, 0, top * (first.bottom - first.top));
}

bool CDlgWidgets::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_WIDGETS_ENABLE: OnEnableClicked(); return true;
            case IDC_WIDGETS_AUTORUN: OnAutorunClicked(); return true;
            case IDC_WIDGETS_SHOW: OnShowClicked(); return true;
            case IDC_WIDGETS_MOVEABLE: OnMoveableClicked(); return true;
            case IDC_WIDGETS_ON_DESKTOP: OnPlacementClicked(false); return true;
            case IDC_WIDGETS_ON_TOP: OnPlacementClicked(true); return true;
            case IDC_WIDGETS_BACKGROUND: OnBackgroundClicked(); return true;
            default: break;
        }
    }
    if (id == IDC_WIDGETS_COLOR && code == CBN_SELCHANGE) {
        OnColorChosen();
        return true;
    }
    if (id == IDC_WIDGETS_COLOR && code == CBN_EDITCHANGE) {
        OnColorEdited();
        return true;
    }
    return false;
}

bool CDlgWidgets::OnNotify(NMHDR* hdr, LRESULT* result) {
    if (hdr->idFrom == IDC_WIDGETS_LIST && hdr->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(hdr);
        if (!m_filling && (change->uChanged & LVIF_STATE) &&
            ((change->uOldState ^ change->uNewState) & LVIS_SELECTED))
            RefreshOptions();
        return true;
    }
    if (hdr->idFrom == IDC_WIDGETS_OPACITY_SPIN && hdr->code == UDN_DELTAPOS) {
        OnOpacityArrow(*reinterpret_cast<const NMUPDOWN*>(hdr), result);
        return true;
    }
    return false;
}

void CDlgWidgets::OnTimer(UINT_PTR id) {
    if (id == kListTimer) OnListTimer();
}

void CDlgWidgets::OnDestroy() { KillTimer(kListTimer); }
