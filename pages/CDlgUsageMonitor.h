#pragma once
// What the six usage monitor windows share: a gauge on the left and a history
// graph on the right over the background picture, one sample when the
// window opens and one a second after that. Closing the window only hides
// it; it keeps sampling until it is destroyed.
//
// Created modeless and without an owner:
//     auto* w = new CDlgCPUUsage(ctx);
//     w->Create(IDD_USAGE, (CWnd*)nullptr);
//     w->ShowWindow(SW_SHOW);
#include <windows.h>

#include <cstddef>

#include "pages/CDlgCtrlUsage.h"
#include "pages/CDlgCtrlUsageHistory.h"
#include "settings/CStyledDialog.h"

// Control ids the two children carry, so they can be found with GetDlgItem.
constexpr int kUsageGaugeId = 1300;
constexpr int kUsageHistoryId = 1301;

class CDlgUsageMonitor : public CStyledDialog {
public:
    static constexpr UINT_PTR kSampleTimer = 1;
    static constexpr UINT kSamplePeriodMs = 1000;

    ~CDlgUsageMonitor() override;

    CDlgCtrlUsage& Gauge() { return m_gauge; }
    CDlgCtrlUsageHistory& History() { return m_history; }

    // Reads the source once and hands the value to both controls.
    void TakeSample();

protected:
    // `titleText`: the text table entry of the window title.
    CDlgUsageMonitor(const CWindowContext& ctx, size_t titleText);

    // The usage in percent, -1 when the source cannot be read.
    virtual int ReadUsage() = 0;
    // The program's collectors (built by the time the window samples), or
    // nullptr in a program without them.
    CCollectors* SharedCollectors() const { return m_ctx.collectors; }

    BOOL OnInitDialog() override;
    void OnOK() override { ShowWindow(SW_HIDE); }
    void OnCancel() override { ShowWindow(SW_HIDE); }
    void OnTimer(UINT_PTR id) override;
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

private:
    size_t m_titleText;
    CDlgCtrlUsageHistory m_history;
    CDlgCtrlUsage m_gauge;
};
