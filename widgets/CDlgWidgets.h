#pragma once
// The widgets dialog: turns the desktop widgets on or off as a whole, sets
// each widget's options and whether the program starts at logon. Every
// change reaches the widget's open window at once and is written to the
// settings file; the list catches up within three seconds.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "settings/CStyledDialog.h"

class CWidgetManager;

class CDlgWidgets : public CStyledDialog {
public:
    static constexpr UINT_PTR kListTimer = 1;
    static constexpr UINT kListPeriodMs = 3000;

    CDlgWidgets(const CWindowContext& ctx, CWidgetManager& widgets, CWnd* parent = nullptr);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT* result) override;
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;

private:
    void SetTexts();
    void FillColorCombo();
    void InsertColumns();
    // Sizes each column to the wider of its header and its texts.
    void SizeColumns();
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

    CWidgetManager& m_widgets;
    int m_colorItem = -1;        // the colour item last chosen, -1 for none
    bool m_listChanged = false;  // the list shows older texts than the settings
    bool m_filling = false;      // the list is being refilled: its notices mean nothing
};
