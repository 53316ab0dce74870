#include "smart/CDlgSMART.h"

#include <array>

#include "resources/resource.h"
#include "smart/CWinDriveIo.h"
#include "smart/core/DriveReader.h"

namespace {

struct LabelText {
    int id;
    int text;
};
const LabelText kLabels[] = {
    {IDC_SMART_DRIVE_LABEL, 157},  {IDC_SMART_SERIAL_LABEL, 158},      {IDC_SMART_FIRMWARE_LABEL, 159},
    {IDC_SMART_HEALTH_LABEL, 160}, {IDC_SMART_TEMPERATURE_LABEL, 161},
};

// Widths in pixels; "ID" and "Raw" are the same in every language.
struct Column {
    const wchar_t* fixedText;
    int text;
    int format;
    int width;
};
const Column kColumns[] = {
    {L"ID", -1, LVCFMT_CENTER, 25},  {nullptr, 30, LVCFMT_LEFT, 270},   {nullptr, 162, LVCFMT_CENTER, 72},
    {nullptr, 163, LVCFMT_CENTER, 72}, {nullptr, 164, LVCFMT_CENTER, 72}, {L"Raw", -1, LVCFMT_CENTER, 100},
};

const wchar_t kSelectDriveNotice[] = L"Please select a target drive array slot first.";

}  // namespace

CDlgSMART::CDlgSMART(const CWindowContext& ctx, CWnd* parent) : CDlgSMART(ctx, nullptr, parent) {}

CDlgSMART::CDlgSMART(const CWindowContext& ctx, IDriveIo& io, CWnd* parent) : CDlgSMART(ctx, &io, parent) {}

CDlgSMART::CDlgSMART(const CWindowContext& ctx, IDriveIo* io, CWnd* parent)
    : CStyledDialog(ctx, IDD_SMART, parent, Background::StretchedFramedPicture),
      m_ownIo(io ? nullptr : std::make_unique<CWinDriveIo>()),
      m_io(io ? *io : *m_ownIo) {
    m_look.AddValueFields({IDC_SMART_SERIAL, IDC_SMART_FIRMWARE, IDC_SMART_HEALTH, IDC_SMART_TEMPERATURE});
}

BOOL CDlgSMART::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    SetTexts();
    ApplyAppFont({IDC_SMART_DRIVE_LABEL, IDC_SMART_SERIAL_LABEL, IDC_SMART_FIRMWARE_LABEL, IDC_SMART_HEALTH_LABEL,
                  IDC_SMART_TEMPERATURE_LABEL, IDC_SMART_DRIVE, IDC_SMART_LIST, IDC_SMART_SERIAL, IDC_SMART_HEALTH,
                  IDC_SMART_TEMPERATURE, IDC_SMART_FIRMWARE});

    HWND list = GetDlgItem(IDC_SMART_LIST);
    if (DarkMode()) ListView_SetBkColor(list, kDarkBack);

    const int first = FillDriveCombo();

    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    InsertColumns();

    if (first >= 0) ShowDrive(first);
    return TRUE;
}

void CDlgSMART::SetTexts() {
    SetWindowText(Text(156));
    for (const LabelText& l : kLabels) SetDlgItemText(l.id, Text(l.text));
}

void CDlgSMART::InsertColumns() {
    HWND list = GetDlgItem(IDC_SMART_LIST);
    int index = 0;
    for (const Column& c : kColumns) {
        std::wstring heading = c.fixedText ? c.fixedText : Text(c.text);
        LVCOLUMNW col{};
        col.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        col.fmt = c.format;
        col.cx = c.width;
        col.pszText = const_cast<wchar_t*>(heading.c_str());
        col.iSubItem = index;
        ListView_InsertColumn(list, index, &col);
        ++index;
    }
}

int CDlgSMART::FillDriveCombo() {
    HWND combo = GetDlgItem(IDC_SMART_DRIVE);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    int first = -1;
    for (int n : ListPhysicalDrives(m_io)) {
        DriveInfo info;
        if (!ReadDriveInfo(m_io, n, info) || info.Attributes.empty()) continue;
        const std::wstring text = FormatDriveItemText(info);
        const LRESULT item = ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        if (item < 0) continue;
        ::SendMessageW(combo, CB_SETITEMDATA, item, n);
        if (first < 0) first = n;
    }
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return first;
}

void CDlgSMART::ShowDrive(int driveNumber) {
    HWND list = GetDlgItem(IDC_SMART_LIST);
    ListView_DeleteAllItems(list);

    DriveInfo info;
    if (!ReadDriveInfo(m_io, driveNumber, info)) {
        // Whatever the fields still say belongs to another drive.
        SetFields(DriveFields());
        return;
    }
    SetFields(MakeDriveFields(info));

    int row = 0;
    for (const SmartAttribute& a : info.Attributes) {
        std::array<std::wstring, 6> cells = FormatAttributeRow(a, info.AccessKind);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = const_cast<wchar_t*>(cells[0].c_str());
        item.lParam = GetRowSeverity(a, info.AccessKind);
        const int index = ListView_InsertItem(list, &item);
        if (index < 0) continue;
        for (int col = 1; col < 6; ++col)
            ListView_SetItemText(list, index, col, const_cast<wchar_t*>(cells[col].c_str()));
        ++row;
    }
}

void CDlgSMART::SetFields(const DriveFields& fields) {
    m_healthSeverity = fields.HealthSeverity;
    SetDlgItemText(IDC_SMART_SERIAL, fields.SerialNumber);
    SetDlgItemText(IDC_SMART_FIRMWARE, fields.Firmware);
    SetDlgItemText(IDC_SMART_HEALTH, fields.Health);
    SetDlgItemText(IDC_SMART_TEMPERATURE, fields.Temperature);
}

void CDlgSMART::OnSelchangeDrive() {
    HWND combo = GetDlgItem(IDC_SMART_DRIVE);
    const LRESULT item = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (item == CB_ERR) {
        const std::wstring title = GetWindowText();
        ::MessageBoxW(m_hWnd, kSelectDriveNotice, title.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowDrive(static_cast<int>(::SendMessageW(combo, CB_GETITEMDATA, item, 0)));
}

bool CDlgSMART::OnCommand(UINT id, UINT code, HWND /*control*/) {
    if (id == IDC_SMART_DRIVE && code == CBN_SELCHANGE) {
        OnSelchangeDrive();
        return true;
    }
    return false;
}

bool CDlgSMART::OnNotify(NMHDR* hdr, LRESULT* result) {
    if (hdr->idFrom == IDC_SMART_LIST && hdr->code == NM_CUSTOMDRAW) {
        *result = OnListCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW*>(hdr));
        return true;
    }
    return false;
}

LRESULT CDlgSMART::OnListCustomDraw(NMLVCUSTOMDRAW* cd) const {
    switch (cd->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const RowColours colours =
                GetRowColours(static_cast<RowSeverity>(cd->nmcd.lItemlParam), DarkMode());
            if (!colours.ListDefault) {
                cd->clrText = colours.Text;
                cd->clrTextBk = colours.Back;
            }
            return CDRF_DODEFAULT;
        }
        default: return CDRF_DODEFAULT;
    }
}

HBRUSH CDlgSMART::OnCtlColor(HDC dc, HWND control, UINT ctlType) {
    HBRUSH brush = CStyledDialog::OnCtlColor(dc, control, ctlType);
    if (brush && DarkMode() && ::GetDlgCtrlID(control) == IDC_SMART_HEALTH)
        ::SetTextColor(dc, GetDarkSeverityColour(m_healthSeverity));
    return brush;
}
