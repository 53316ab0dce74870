#pragma once
// The widgets dialog: turns the desktop widgets on or off as a whole, sets
// each widget's options and whether the program starts at logon. Every
// change reaches the widget's open window at once and is written to the
// settings file; the list catches up within three seconds.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/CDialogEx.h"
#include "settings/CAppearance.h"

class CSettingsStore;
class CWidgetManager;

class CDlgWidgets : public CDialogEx {
public:
    static constexpr UINT_PTR kListTimer = 1;
    static constexpr UINT kListPeriodMs = 3000;

    CDlgWidgets(CWidgetManager& widgets, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT ctlType) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    void SetTexts();
    void FillColorCombo();
    void InsertColumns();
    // Refills the list and selects the row of catalogue index `select` (-1: none).
    void FillList(int select);
    // Shows the option controls for the selected widget, or hides them.
    void RefreshOptions();
    void EnableOptions(bool enable);
    // The selected row's catalogue index, or -1.
    int SelectedWidget() const;
    // Writes the widget, brings its open window up to date and marks the list.
    void Changed(size_t index);

    void OnEnableClicked();
    void OnAutorunClicked();
    void OnShowClicked();
    void OnMoveableClicked();
    void OnPlacementClicked(bool onTop);
    void OnColorChosen();
    void OnColorEdited();
    void OnBackgroundClicked();
    void OnOpacityArrow(const NMUPDOWN& change, LRESULT* result);
    void OnListTimer();

    const std::wstring& Text(size_t index) const;
    CSettingsStore& Options() const;
    HFONT AppFont() const;

    CWidgetManager& m_widgets;
    CAppearance m_look;
    int m_colorItem = -1;        // the colour item last chosen, -1 for none
    bool m_listChanged = false;  // the list shows older texts than the settings
    bool m_filling = false;      // the list is being refilled: its notices mean nothing
};
