#pragma once
// The drive health window: pick a physical drive, see its serial number,
// firmware, temperature and health verdict, and its whole attribute table
// with rows coloured by severity. Drives are read on demand, every time one
// is shown, so the window always shows what the drive says now.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "settings/CStyledDialog.h"
#include "smart/core/DriveDisplay.h"
#include "smart/core/IDriveIo.h"

class CDlgSMART : public CStyledDialog {
public:
    // Reads this computer's drives.
    explicit CDlgSMART(const CWindowContext& ctx, CWnd* parent = nullptr);
    // Reads drives through `io`, which must outlive the window.
    CDlgSMART(const CWindowContext& ctx, IDriveIo& io, CWnd* parent = nullptr);

    // Lists every drive whose attribute table can be read and selects the
    // first; returns its drive number, or -1 when no drive qualifies.
    int FillDriveCombo();
    // Reads drive `driveNumber` again and shows it.
    void ShowDrive(int driveNumber);

protected:
    BOOL OnInitDialog() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;

private:
    // `io` null: this computer's drives through an I/O object of its own.
    CDlgSMART(const CWindowContext& ctx, IDriveIo* io, CWnd* parent);
    void SetTexts();
    void InsertColumns();
    void OnSelchangeDrive();
    LRESULT OnListCustomDraw(NMLVCUSTOMDRAW* cd) const;
    void SetFields(const DriveFields& fields);

    std::unique_ptr<IDriveIo> m_ownIo;
    IDriveIo& m_io;
    RowSeverity m_healthSeverity = kSeverityNormal;
};
