#include "pages/CDlgUsageMonitor.h"

#include "collectors/CCollectors.h"
#include "pages/core/UsageGraphGeometry.h"
#include "resources/resource.h"

CDlgUsageMonitor::CDlgUsageMonitor(const CWindowContext& ctx, size_t titleText)
    : CStyledDialog(ctx, IDD_USAGE, nullptr, Background::Picture), m_titleText(titleText) {}

CDlgUsageMonitor::~CDlgUsageMonitor() = default;

namespace {

// The controls are sized in pixels, so the window is too: whatever the
// dialog font makes of the template, the client area just holds them.
void FitClientArea(HWND wnd) {
    RECT r{0, 0, kMonitorClientWidth, kMonitorClientHeight};
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(wnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(wnd, GWL_EXSTYLE));
    if (!::AdjustWindowRectEx(&r, style, FALSE, exStyle)) return;
    ::SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PlaceChild(CDialogEx& child, HWND parent, int id, int x, int y) {
    if (!child.Create(IDD_USAGE_CTRL, parent)) return;
    ::SetWindowLongPtrW(child.m_hWnd, GWLP_ID, id);
    ::SetWindowPos(child.m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    child.ShowWindow(SW_SHOW);
}

}  // namespace

BOOL CDlgUsageMonitor::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    FitClientArea(m_hWnd);
    PlaceChild(m_history, m_hWnd, kUsageHistoryId, kHistoryLeft, kHistoryTop);
    PlaceChild(m_gauge, m_hWnd, kUsageGaugeId, kGaugeLeft, kGaugeTop);
    SetWindowText(Text(m_titleText));
    // Most sources are the program's shared collectors, which start-up may
    // still be building on its worker thread: the first sample waits for
    // them instead of reading a half-built set (and showing a failure).
    if (m_ctx.collectors) m_ctx.collectors->Wait();
    TakeSample();
    SetTimer(kSampleTimer, kSamplePeriodMs);
    return TRUE;
}

void CDlgUsageMonitor::TakeSample() {
    const int usage = ReadUsage();
    m_history.AppendSample(100 - usage);
    m_history.Redraw();
    m_gauge.value = usage;
    m_gauge.Redraw();
}

void CDlgUsageMonitor::OnTimer(UINT_PTR) { TakeSample(); }

void CDlgUsageMonitor::OnDestroy() { KillTimer(kSampleTimer); }

bool CDlgUsageMonitor::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    // The program's message loop belongs to the main window's modal dialog
    // and does not turn Escape into IDCANCEL for this modeless window.
    if (msg == WM_KEYDOWN && wp == VK_ESCAPE) {
        OnCancel();
        return true;
    }
    return CStyledDialog::OnMessage(msg, wp, lp, result);
}
