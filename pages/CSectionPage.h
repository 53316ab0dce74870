#pragma once
// What the nine section pages of the main window have in common. A page is a
// child dialog with a title (1001), right-aligned labels and read-only value
// fields. It reads its collectors once when it is created, shows random
// hexadecimal noise in its fields for 20 frames of 60 ms, and then its real
// values. The labels come from the text table, the colours follow the dark
// or light appearance, the fonts follow the application font.
//
// A page class describes itself in its constructor (labels, fields with
// their noise lengths, WEI field, button, combo, group captions, a live
// refresh), fills its cached values in CollectValues(), and adds its own
// final step in OnRevealed(). Everything else is done here.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/CMFCButton.h"
#include "framework/Handles.h"
#include "pages/CDeviceCombo.h"
#include "pages/CWinSAT.h"
#include "settings/CStyledDialog.h"

// One label and the text-table entry it shows.
struct PageLabel {
    int id;
    size_t text;
};

class CSectionPage : public CStyledDialog {
public:
    static constexpr UINT_PTR kRevealTimer = 1;
    static constexpr UINT kRevealPeriod = 60;  // milliseconds per noise frame
    static constexpr unsigned kRevealFrames = 20;
    static constexpr UINT_PTR kRefreshTimer = 2;
    static constexpr UINT kRefreshPeriod = 1000;  // milliseconds
    static constexpr UINT_PTR kMonitorPauseTimer = 3;
    static constexpr UINT kMonitorPause = 1000;  // milliseconds before a paused monitor window opens
    static constexpr int kTitleId = 1001;
    static constexpr int kComboId = 1124;
    static constexpr int kWeiLabelId = 1168;
    static constexpr int kWeiFieldId = 1169;

    ~CSectionPage() override;

    // Copies this page's WEI sub-score from the program's score store
    // into the WEI field and shows the field and its label, or hides both
    // (showing "-") while there is no score. Pages without a WEI field
    // ignore it. The page calls it at initialisation and the main window
    // when new scores are available.
    virtual void UpdateWeiScore();

    // True once the noise has given way to the values.
    bool Revealed() const { return m_revealed; }

protected:
    CSectionPage(const CWindowContext& ctx, UINT templateId);

    // ---- Description, given by the page's constructor ----
    void SetLabels(std::vector<PageLabel> labels);
    // A read-only value field and the number of noise digits it shows.
    void AddField(int id, size_t noiseLength);
    // The WEI field (1169) and label (1168), fed from `score` of the
    // program's score store.
    void SetWeiField(std::wstring CWinSAT::*score, size_t noiseLength);
    // The page's push button (Usage, Peak Meter, Assess): styled with the
    // appearance, its clicks go to OnButton().
    void SetButton(int id);
    // The device combo (1124) and the length of its one noise item.
    void SetComboNoise(size_t noiseLength);
    // A static laid over the top edge of a group box as its caption: it is
    // fitted to its text and painted opaque, so the frame never runs
    // through the caption, whatever font the page has.
    void AddGroupCaption(int captionId, int groupBoxId);
    // The page has live fields: OnRefresh() runs every second while the
    // page is shown, from the end of its reveal on. A hidden page reads
    // nothing; showing it reads the fields at once, before it appears.
    void RefreshEverySecond();

    // The text a field shows once the reveal is over.
    void SetValue(int id, const std::wstring& text);

    // ---- Steps of the page ----
    // Reads the collectors into the cached values, once: at initialisation,
    // or, while start-up's collectors are still gathering, on the first
    // noise frame after they are done (at the latest on the last one).
    virtual void CollectValues() = 0;
    // Runs after the last noise frame, once every field shows its value
    // (and before the WEI field is refreshed).
    virtual void OnRevealed() {}
    // Reads the live fields again (pages that asked for RefreshEverySecond).
    virtual void OnRefresh() {}
    virtual void OnButton() {}
    // The combo's choice changed; m_combo.Selection() already holds it.
    // Only called once the page is revealed (its values collected).
    virtual void OnSelchangeCombo() {}

    // Opens the page's monitor window, one per page: while it is open a
    // press does nothing; a closed (hidden) one is destroyed and a fresh one
    // created. `pauseFirst` creates it a second later (the sources behind
    // those windows need the pause between two readings; the main window
    // keeps working meanwhile, and presses during the pause do nothing);
    // `windows10Only` refuses with the "not supported" notice before
    // Windows 10.
    template <class TMonitor>
    void OpenMonitor(bool pauseFirst, bool windows10Only = false) {
        OpenMonitorWindow([](CDialogEx* w) { return dynamic_cast<TMonitor*>(w) != nullptr; },
                          [this] { return std::unique_ptr<CDialogEx>(new TMonitor(m_ctx)); }, pauseFirst, windows10Only);
    }

    BOOL OnInitDialog() override;
    // Enter and Escape inside a page never close it.
    void OnOK() override {}
    void OnCancel() override {}
    void OnTimer(UINT_PTR id) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;


    CDeviceCombo m_combo;  // bound on the pages that have a device combo
    UINT_PTR m_revealTimer = kRevealTimer;
    unsigned m_tick = 0;

private:
    struct Field {
        int id;
        size_t noiseLength;
        std::wstring value;
    };
    struct GroupCaption {
        int caption;
        int box;
    };

    void StyleButton();
    void CreateTitleFont();
    void SetLabelTexts();
    void FitLabels();
    void FitGroupCaptions();
    void ShowNoise();
    void FinishReveal();
    // Starts (reading the live fields at once) or stops the refresh.
    void RefreshWhileShown(bool shown);
    void CollectOnce();
    // True while the program's collectors are still being built.
    bool CollectorsPending() const;
    void OpenMonitorWindow(const std::function<bool(CDialogEx*)>& isSameKind,
                           const std::function<std::unique_ptr<CDialogEx>()>& make, bool pauseFirst,
                           bool windows10Only);
    void CreateMonitorWindow(const std::function<std::unique_ptr<CDialogEx>()>& make);

    std::vector<PageLabel> m_labels;
    std::vector<Field> m_fields;
    std::vector<GroupCaption> m_groupCaptions;
    std::wstring CWinSAT::*m_weiScore = nullptr;
    size_t m_weiNoise = 0;
    int m_buttonId = 0;
    size_t m_comboNoise = 0;
    bool m_refreshes = false;
    UINT_PTR m_refreshTimer = 0;
    // The monitor window waiting for its pause to end; empty when none is.
    std::function<std::unique_ptr<CDialogEx>()> m_pendingMonitor;
    bool m_revealed = false;
    bool m_collected = false;

    CFontHandle m_titleFont;
    CMFCButton m_button;
    CDialogEx* m_monitor = nullptr;
};
