#include "pages/CSectionPage.h"

#include "framework/Fonts.h"

#include <algorithm>
#include <cwchar>
#include <cstdlib>
#include <ctime>

#include "collectors/CCollectors.h"
#include "collectors/CSoftware.h"
#include "framework/CWinApp.h"
#include "pages/core/NoiseText.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

CSectionPage::CSectionPage(const CWindowContext& ctx, UINT templateId)
    : CStyledDialog(ctx, templateId) {
    m_look.AddTitles({kTitleId});
    // Every page reseeds: the noise differs from one start to the next.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

CSectionPage::~CSectionPage() = default;

void CSectionPage::SetLabels(std::vector<PageLabel> labels) { m_labels = std::move(labels); }

void CSectionPage::AddField(int id, size_t noiseLength) {
    m_fields.push_back({id, noiseLength, std::wstring()});
    m_look.AddValueField(id);
}

void CSectionPage::SetWeiField(std::wstring CWinSAT::*score, size_t noiseLength) {
    m_weiScore = score;
    m_weiNoise = noiseLength;
    m_look.AddValueField(kWeiFieldId);
}

void CSectionPage::SetButton(int id) { m_buttonId = id; }

void CSectionPage::SetComboNoise(size_t noiseLength) { m_comboNoise = noiseLength; }

void CSectionPage::AddGroupCaption(int captionId, int groupBoxId) {
    m_groupCaptions.push_back({captionId, groupBoxId});
    m_look.AddCaption(captionId);
}

void CSectionPage::RefreshEverySecond() { m_refreshes = true; }

void CSectionPage::SetValue(int id, const std::wstring& text) {
    for (auto& f : m_fields)
        if (f.id == id) f.value = text;
}

BOOL CSectionPage::OnInitDialog() {
    CStyledDialog::OnInitDialog();
    if (m_comboNoise) m_combo.SubclassDlgItem(kComboId, m_hWnd);
    if (m_buttonId) StyleButton();
    ApplyAppFontToChildren();
    CreateTitleFont();
    SetLabelTexts();
    FitLabels();
    FitGroupCaptions();
    // Start-up builds the pages while its collectors may still be gathering;
    // the values are then read on the first noise frame after they are in.
    if (!CollectorsPending()) CollectOnce();
    // The WEI field (or, on the Summary page, the score or the Assess
    // button) is settled from the start, whenever the values are read.
    UpdateWeiScore();

    m_tick = 0;
    m_revealTimer = SetTimer(kRevealTimer, kRevealPeriod);
    // Without a timer the page would stay on its placeholders for good.
    if (!m_revealTimer) FinishReveal();
    return TRUE;
}

void CSectionPage::StyleButton() {
    if (!m_button.GetSafeHwnd()) m_button.SubclassDlgItem(m_buttonId, m_hWnd);
    m_look.StyleButton(m_button);
}

void CSectionPage::CreateTitleFont() {
    if (m_titleFont) return;
    HWND title = GetDlgItem(kTitleId);
    if (!title) return;
    m_titleFont.Reset(DeriveFont(title, [](LOGFONTW& lf) {
        lf.lfWeight = FW_BOLD;
        lf.lfHeight = 14;
    }));
    if (m_titleFont) ::SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(m_titleFont.Get()), TRUE);
}

void CSectionPage::SetLabelTexts() {
    // An index the text table lacks gives an empty text, not a failure: a
    // short language file must not take the main window down.
    for (const auto& label : m_labels) SetDlgItemText(label.id, Text(label.text));
}

namespace {
// The control's rectangle in its dialog's client coordinates.
RECT ChildRect(HWND dialog, HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

void CSectionPage::FitLabels() {
    // A label beside its field is laid out in the template as tall as the
    // field, its right edge a little left of it. Its text is centred on the
    // field whatever the font. A text that fits on one line becomes a
    // left-aligned static that ends a few pixels short of that right edge,
    // with those pixels to spare: some renderers draw a line a little wider
    // than they measure it, and a right-aligned static would cut its last
    // letter. A text too long for one line (Russian, mostly) wraps onto a
    // second one rather than lose its end.
    const int spare = 3;
    for (const auto& label : m_labels) {
        HWND control = GetDlgItem(label.id);
        if (!control) continue;
        wchar_t cls[16] = {};
        ::GetClassNameW(control, cls, 16);
        const LONG style = ::GetWindowLongW(control, GWL_STYLE);
        if (_wcsicmp(cls, L"Static") != 0 || (style & SS_TYPEMASK) != SS_RIGHT) continue;

        const RECT row = ChildRect(m_hWnd, control);
        const int width = row.right - row.left;
        const std::wstring text = GetDlgItemText(label.id);
        HDC dc = ::GetDC(control);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
        SIZE line{};
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &line);
        RECT wrapped{0, 0, width, 0};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, old);
        ::ReleaseDC(control, dc);

        if (line.cx <= width) {
            ::SetWindowLongW(control, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_LEFT);
            ::SetWindowPos(control, nullptr, row.right - line.cx - spare, (row.top + row.bottom - line.cy) / 2,
                           line.cx + 2 * spare, line.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            const int height = wrapped.bottom - wrapped.top;
            ::SetWindowPos(control, nullptr, row.left, (row.top + row.bottom - height) / 2, width, height,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void CSectionPage::FitGroupCaptions() {
    for (const auto& g : m_groupCaptions) {
        HWND caption = GetDlgItem(g.caption), box = GetDlgItem(g.box);
        if (!caption || !box) continue;
        const RECT boxRect = ChildRect(m_hWnd, box);

        const std::wstring text = GetDlgItemText(g.caption);
        SIZE extent{};
        HDC dc = ::GetDC(caption);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(caption, WM_GETFONT, 0, 0)));
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        TEXTMETRICW tm{};
        ::GetTextMetricsW(dc, &tm);
        ::SelectObject(dc, old);
        ::ReleaseDC(caption, dc);

        // The box draws its own text about 7 pixels in; the caption covers
        // it with a little room on either side.
        const int pad = 3;
        ::SetWindowPos(caption, nullptr, boxRect.left + 7 - pad, boxRect.top, extent.cx + 2 * pad, tm.tmHeight,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CSectionPage::UpdateWeiScore() {
    if (!m_weiScore) return;
    const WeiFieldState state = SubScoreField(m_ctx.winsat ? m_ctx.winsat->*m_weiScore : std::wstring());
    const int show = state.visible ? SW_SHOW : SW_HIDE;
    if (HWND field = GetDlgItem(kWeiFieldId)) ::ShowWindow(field, show);
    if (HWND label = GetDlgItem(kWeiLabelId)) ::ShowWindow(label, show);
    SetDlgItemText(kWeiFieldId, state.text);
}

bool CSectionPage::CollectorsPending() const { return m_ctx.collectors && m_ctx.collectors->Pending(); }

void CSectionPage::CollectOnce() {
    if (m_collected) return;
    m_collected = true;
    CollectValues();
}

void CSectionPage::OnTimer(UINT_PTR id) {
    if (m_refreshTimer && id == m_refreshTimer) {
        OnRefresh();
        return;
    }
    if (id == kMonitorPauseTimer) {
        KillTimer(kMonitorPauseTimer);
        const auto make = std::move(m_pendingMonitor);
        m_pendingMonitor = nullptr;
        if (make) CreateMonitorWindow(make);
        return;
    }
    if (id != m_revealTimer || m_revealed) return;
    if (!m_collected && !CollectorsPending()) CollectOnce();
    if (m_tick < kRevealFrames) {
        ShowNoise();
        ++m_tick;
    } else {
        FinishReveal();
    }
}

void CSectionPage::ShowNoise() {
    for (const auto& f : m_fields) SetDlgItemText(f.id, MakeNoiseText(f.noiseLength));
    if (m_weiScore) SetDlgItemText(kWeiFieldId, MakeNoiseText(m_weiNoise));
    if (m_comboNoise) m_combo.ShowPlaceholder(MakeNoiseText(m_comboNoise));
}

void CSectionPage::FinishReveal() {
    if (m_revealTimer) KillTimer(m_revealTimer);
    CollectOnce();  // waits for the collectors if they are still at work
    m_revealed = true;
    for (const auto& f : m_fields) SetDlgItemText(f.id, f.value);
    OnRevealed();
    if (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE) RefreshWhileShown(true);
    if (m_weiScore) UpdateWeiScore();
}

void CSectionPage::RefreshWhileShown(bool shown) {
    if (!m_refreshes || !m_revealed) return;
    if (shown) {
        OnRefresh();
        if (!m_refreshTimer) m_refreshTimer = SetTimer(kRefreshTimer, kRefreshPeriod);
    } else if (m_refreshTimer) {
        KillTimer(m_refreshTimer);
        m_refreshTimer = 0;
    }
}

bool CSectionPage::OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    // Sent as the main window shows or hides the page, before it changes.
    if (msg == WM_SHOWWINDOW) RefreshWhileShown(wp != FALSE);
    return CStyledDialog::OnMessage(msg, wp, lp, result);
}

bool CSectionPage::OnCommand(UINT id, UINT code, HWND control) {
    if (m_buttonId && static_cast<int>(id) == m_buttonId && code == BN_CLICKED) {
        OnButton();
        return true;
    }
    if (m_comboNoise && static_cast<int>(id) == kComboId && code == CBN_SELCHANGE) {
        // During the reveal the combo holds one noise item and the page
        // may not have its device lists yet: nothing to show.
        if (!m_revealed) return true;
        m_combo.TakeSelection();
        OnSelchangeCombo();
        return true;
    }
    return CStyledDialog::OnCommand(id, code, control);
}

void CSectionPage::OpenMonitorWindow(const std::function<bool(CDialogEx*)>& isSameKind,
                                     const std::function<std::unique_ptr<CDialogEx>()>& make, bool pauseFirst,
                                     bool windows10Only) {
    if (windows10Only && !IsVersionAtLeast(10, 0, 0)) {
        ::MessageBoxW(m_hWnd, Text(73).c_str(), AfxGetApp()->m_pszExeName.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (!m_ctx.windows || m_pendingMonitor) return;
    ProgramWindows& windows = *m_ctx.windows;
    auto it = std::find_if(windows.begin(), windows.end(), [this](const std::unique_ptr<CDialogEx>& w) {
        return w.get() == m_monitor;
    });
    if (it == windows.end()) {
        // A page re-created after a language or appearance change takes
        // over the window its predecessor opened, so the rule still holds
        // and no hidden window is left sampling for nobody.
        it = std::find_if(windows.begin(), windows.end(),
                          [&](const std::unique_ptr<CDialogEx>& w) { return isSameKind(w.get()); });
        m_monitor = it == windows.end() ? nullptr : it->get();
    }
    if (m_monitor) {
        if (m_monitor->GetSafeHwnd() && m_monitor->IsWindowVisible()) return;
        m_monitor->DestroyWindow();
        windows.erase(it);
        m_monitor = nullptr;
    }
    if (pauseFirst) {
        m_pendingMonitor = make;
        if (SetTimer(kMonitorPauseTimer, kMonitorPause)) return;
        m_pendingMonitor = nullptr;  // no timer to be had: open it at once
    }
    CreateMonitorWindow(make);
}

void CSectionPage::CreateMonitorWindow(const std::function<std::unique_ptr<CDialogEx>()>& make) {
    std::unique_ptr<CDialogEx> window = make();
    m_monitor = window.get();
    m_ctx.windows->push_back(std::move(window));
    if (m_monitor->Create(IDD_USAGE, static_cast<CWnd*>(nullptr))) m_monitor->ShowWindow(SW_SHOW);
}
