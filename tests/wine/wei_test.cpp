// The experience-index score store, the WEI window and the assessment
// window, over a fake assessment tool (Wine has none), and the road from
// the Summary page's Assess button back to every page's WEI field.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/COrvanelDlg.h"
#include "pages/CDlgWEI.h"
#include "pages/CDlgWEIAssessment.h"
#include "pages/CSectionPage.h"
#include "resources/resource.h"
#include "tests/common/FakeWinSAT.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {

// Value fields of the WEI window in window order: base, processor, memory,
// graphics, disk, date.
const int kWeiFields[] = {1002, 1052, 1094, 1112, 1127, 1101};

std::vector<std::wstring> Scores(const CWinSAT& w) {
    return {w.baseScore, w.processorScore, w.memoryScore, w.graphicsScore, w.diskScore, w.lastUpdate};
}

std::vector<std::wstring> Fields(const CDlgWEI& dlg) {
    std::vector<std::wstring> texts;
    for (int id : kWeiFields) texts.push_back(dlg.GetDlgItemText(id));
    return texts;
}

const std::vector<std::wstring> kFakeScores = {L"8.1", L"9.1", L"9.1", L"8.1", L"8.2", L"2024-05-17 09:30"};
const std::vector<std::wstring> kNoScores(6, L"-");

// What an assessment's XML holds of interest here: texts that are not in
// the program's own number format, to show they are taken as they are.
const wchar_t kAssessmentXml[] =
    L"<?xml version=\"1.0\"?>"
    L"<WinSAT><SystemEnvironment>"
    L"<ExecDateTOD Friendly=\"Friday, May 17, 2024 9:30:12 AM\">2024-05-17T09:30:12</ExecDateTOD>"
    L"</SystemEnvironment><WinSPR>"
    L"<SystemScore>5.9</SystemScore><MemoryScore>7.20</MemoryScore><CpuScore>7,9</CpuScore>"
    L"<GraphicsScore>6.4</GraphicsScore><DiskScore>5.9</DiskScore>"
    L"</WinSPR></WinSAT>";

bool WaitFor(const std::function<bool()>& done, DWORD ms = 4000) {
    const DWORD end = ::GetTickCount() + ms;
    while (!done()) {
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        PumpMessages(20);
    }
    return true;
}

class Wei : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&icc);
        theApp.m_translate.Load(L"English");
        theApp.m_gdiplus.Startup();
    }

    template <class TDialog>
    void Open(TDialog& dlg, UINT templateId) {
        ASSERT_TRUE(dlg.Create(templateId, static_cast<HWND>(nullptr)));
        dlg.ShowWindow(SW_SHOW);
        PumpMessages(30);
    }

    static bool Visible(const CWnd& dlg, int id) { return ::IsWindowVisible(dlg.GetDlgItem(id)) != FALSE; }

    ScopedSettings settings;
    FakeWinSAT tool;
};

TEST_F(Wei, StoreReadsValidAndIncoherentAssessmentsOnly) {
    const struct {
        WINSAT_ASSESSMENT_STATE state;
        bool scores;
    } cases[] = {
        {WINSAT_ASSESSMENT_STATE_VALID, true},          {WINSAT_ASSESSMENT_STATE_INCOHERENT_WITH_HARDWARE, true},
        {WINSAT_ASSESSMENT_STATE_UNKNOWN, false},       {WINSAT_ASSESSMENT_STATE_NOT_AVAILABLE, false},
        {WINSAT_ASSESSMENT_STATE_INVALID, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        tool.state = c.state;
        CWinSAT winsat(tool.Creator());
        EXPECT_EQ(Scores(winsat), c.scores ? kFakeScores : std::vector<std::wstring>(6));
    }

    // A sub-score that cannot be read stays empty; the others are there.
    tool.state = WINSAT_ASSESSMENT_STATE_VALID;
    tool.componentMissing[WINSAT_ASSESSMENT_DISK] = true;
    CWinSAT partial(tool.Creator());
    EXPECT_EQ(partial.baseScore, L"8.1");
    EXPECT_EQ(partial.diskScore, L"");
    EXPECT_EQ(partial.graphicsScore, L"8.1");

    // No tool at all (Wine, or a system without it): nothing, and no harm.
    tool.queryRegistered = false;
    CWinSAT none(tool.Creator());
    EXPECT_EQ(Scores(none), std::vector<std::wstring>(6));
}

TEST_F(Wei, StoreFallsBackToTheXmlTextsWithoutABaseScore) {
    tool.xml = kAssessmentXml;
    for (bool infoAvailable : {true, false}) {
        SCOPED_TRACE(infoAvailable);
        tool.infoAvailable = infoAvailable;
        tool.ratingAvailable = false;
        CWinSAT winsat(tool.Creator());
        EXPECT_EQ(Scores(winsat), (std::vector<std::wstring>{L"5.9", L"7,9", L"7.20", L"6.4", L"5.9",
                                                             L"Friday, May 17, 2024 9:30:12 AM"}));
    }
    // With a base score from the structured results the XML is not read.
    tool.infoAvailable = true;
    tool.ratingAvailable = true;
    CWinSAT structured(tool.Creator());
    EXPECT_EQ(Scores(structured), kFakeScores);
}

TEST_F(Wei, WindowRevealsScoresOrDashesAfterTheNoise) {
    for (bool withScores : {true, false}) {
        SCOPED_TRACE(withScores);
        tool.queryRegistered = withScores;
        CWinSAT winsat(tool.Creator());
        CDlgWEI dlg(theApp.Context().WithScores(winsat));
        Open(dlg, IDD_WEI);
        // 16 noise digits in pairs first, then the value.
        bool noise = false;
        ASSERT_TRUE(WaitFor([&] {
            noise = noise || dlg.GetDlgItemText(1002).size() == 24;
            return dlg.Revealed();
        }));
        EXPECT_TRUE(noise);
        EXPECT_EQ(Fields(dlg), withScores ? kFakeScores : kNoScores);
        EXPECT_EQ(dlg.GetWindowText(), L"Windows Experience Index (WEI)");
        EXPECT_EQ(dlg.GetDlgItemText(CDlgWEI::kInitiateId), L"Initiate Assessment");
        EXPECT_EQ(dlg.GetDlgItemText(1174), L"Primary Hard Disk");
        dlg.DestroyWindow();
    }
}

TEST_F(Wei, AssessmentWindowShowsProgressAndFailure) {
    CWinSAT winsat(tool.Creator());
    CDlgWEIAssessment dlg(theApp.Context().WithScores(winsat));
    Open(dlg, IDD_WEI_ASSESSMENT);
    ASSERT_EQ(tool.starts, 1);
    EXPECT_EQ(tool.caller, dlg.m_hWnd);
    EXPECT_EQ(dlg.GetWindowText(), L"Windows Experience Index Assessment");

    // The noise moves.
    const std::wstring noise = dlg.GetDlgItemText(CDlgWEIAssessment::kNoiseId);
    EXPECT_TRUE(WaitFor([&] { return dlg.GetDlgItemText(CDlgWEIAssessment::kNoiseId) != noise; }));
    EXPECT_EQ(dlg.GetDlgItemText(CDlgWEIAssessment::kNoiseId).size(), 45u);

    tool.Update(42, 100, L"Assessing memory performance");
    EXPECT_EQ(dlg.GetDlgItemText(CDlgWEIAssessment::kStatusId), L"42%: Assessing memory performance");
    tool.Update(7, 0, L"No total");
    EXPECT_EQ(dlg.GetDlgItemText(CDlgWEIAssessment::kStatusId), L"42%: Assessing memory performance");

    tool.Complete(static_cast<HRESULT>(0x80004005), L"The assessment failed.");
    EXPECT_EQ(dlg.GetDlgItemText(CDlgWEIAssessment::kStatusId), L"Error 0x80004005: The assessment failed.");
    EXPECT_FALSE(Visible(dlg, CDlgWEIAssessment::kNoiseId));
    EXPECT_EQ(winsat.assessment, nullptr);
    EXPECT_EQ(winsat.callbacks, nullptr);
    EXPECT_TRUE(::IsWindow(dlg.m_hWnd));  // the user reads the error and closes it
    dlg.DestroyWindow();
}

TEST_F(Wei, AssessmentWindowClosesItselfOnSuccess) {
    CWinSAT winsat(tool.Creator());
    CDlgWEIAssessment dlg(theApp.Context().WithScores(winsat));
    Open(dlg, IDD_WEI_ASSESSMENT);
    tool.Complete(S_OK, L"The assessment completed.");
    EXPECT_EQ(winsat.assessment, nullptr);
    EXPECT_TRUE(WaitFor([&] { return dlg.m_hWnd == nullptr; }, 1000));
    EXPECT_EQ(tool.cancels, 0);
}

TEST_F(Wei, ClosingTheAssessmentWindowMidRunCancelsAndLaterReportsAreIgnored) {
    const struct {
        const char* how;
        UINT msg;
        WPARAM wp;
        HRESULT cancelResult;
    } cases[] = {
        {"close box", WM_CLOSE, 0, S_OK},
        {"Escape", WM_COMMAND, IDCANCEL, S_OK},
        {"Enter", WM_COMMAND, IDOK, S_OK},
        {"close box, cancel refused", WM_CLOSE, 0, E_FAIL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        FakeWinSAT run;
        run.cancelResult = c.cancelResult;
        CWinSAT winsat(run.Creator());
        CDlgWEIAssessment dlg(theApp.Context().WithScores(winsat));
        Open(dlg, IDD_WEI_ASSESSMENT);
        dlg.SendMessage(c.msg, c.wp);
        PumpMessages(30);
        EXPECT_EQ(run.cancels, 1);
        EXPECT_EQ(dlg.m_hWnd, nullptr);
        EXPECT_FALSE(winsat.onComplete);
        EXPECT_FALSE(winsat.onProgress);
        // A refused cancel lets go of the run at once; otherwise the store
        // holds it until the tool reports the end.
        EXPECT_EQ(winsat.assessment == nullptr, FAILED(c.cancelResult));

        run.Update(50, 100, L"late");
        run.Complete(static_cast<HRESULT>(0x80004004), L"Cancelled.");
        EXPECT_EQ(winsat.assessment, nullptr);
        EXPECT_EQ(winsat.callbacks, nullptr);
    }
}

TEST_F(Wei, WithoutTheToolTheAssessmentWindowShowsTheErrorAndNoNoise) {
    for (bool startRefused : {false, true}) {
        SCOPED_TRACE(startRefused);
        FakeWinSAT absent;
        absent.initiateRegistered = startRefused;
        absent.startResult = static_cast<HRESULT>(0x80070005);
        CWinSAT winsat(absent.Creator());
        CDlgWEIAssessment dlg(theApp.Context().WithScores(winsat));
        Open(dlg, IDD_WEI_ASSESSMENT);
        EXPECT_EQ(dlg.GetDlgItemText(CDlgWEIAssessment::kStatusId),
                  startRefused ? L"Error 0x80070005: " : L"Error 0x80040154: ");
        EXPECT_FALSE(Visible(dlg, CDlgWEIAssessment::kNoiseId));
        EXPECT_EQ(winsat.assessment, nullptr);
        EXPECT_EQ(winsat.callbacks, nullptr);
        dlg.DestroyWindow();
    }
}

// ---- From the Summary page's Assess button to every page ----------------

// Plays the user in the modal windows: waits for the WEI window to show
// its scores, presses Initiate Assessment, and once the scores read anew
// are shown, closes the window.
struct WeiUser {
    static WeiUser* current;
    bool pressed = false;
    bool closed = false;
    std::vector<std::wstring> shownBefore, shownAfter;

    // The window of class TWindow among this thread's top-level windows.
    template <class TWindow>
    static TWindow* Find() {
        struct Search {
            static BOOL CALLBACK Visit(HWND h, LPARAM found) {
                if (auto* w = dynamic_cast<TWindow*>(CWnd::FromHandlePermanent(h))) {
                    *reinterpret_cast<TWindow**>(found) = w;
                    return FALSE;
                }
                return TRUE;
            }
        };
        TWindow* found = nullptr;
        ::EnumThreadWindows(::GetCurrentThreadId(), Search::Visit, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        WeiUser& u = *current;
        CDlgWEI* wei = Find<CDlgWEI>();
        if (!wei || u.closed || !wei->Revealed() || Find<CDlgWEIAssessment>()) return;
        if (!u.pressed) {
            u.pressed = true;
            u.shownBefore = Fields(*wei);
            wei->PostMessage(WM_COMMAND, MAKEWPARAM(CDlgWEI::kInitiateId, BN_CLICKED));
        } else {
            u.closed = true;
            u.shownAfter = Fields(*wei);
            wei->PostMessage(WM_CLOSE);
        }
    }
};
WeiUser* WeiUser::current = nullptr;

bool HasVisibleStyle(HWND h) { return h && (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE); }

TEST_F(Wei, AssessFromTheSummaryPageRefreshesEveryPage) {
    theApp.m_collectors.Build();
    COrvanelDlg main{theApp.Context()};
    ASSERT_TRUE(main.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    ASSERT_TRUE(WaitForReveal(main));
    CSectionPage* summary = SectionPage(main, 0);
    ASSERT_TRUE(HasVisibleStyle(summary->GetDlgItem(1014)));  // no scores yet

    // The system has no assessment until the one run from the window ends.
    tool.queryRegistered = false;
    tool.onStart = [](FakeWinSAT& t) {
        t.queryRegistered = true;
        t.Complete(S_OK, L"The assessment completed.");
    };
    theApp.m_winsat.SetCreateObject(tool.Creator());

    WeiUser user;
    WeiUser::current = &user;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, WeiUser::Tick);
    summary->SendMessage(WM_COMMAND, MAKEWPARAM(1014, BN_CLICKED),
                         reinterpret_cast<LPARAM>(summary->GetDlgItem(1014)));  // returns when the window closed
    ::KillTimer(nullptr, timer);
    theApp.m_winsat.SetCreateObject(nullptr);

    EXPECT_EQ(tool.starts, 1);
    EXPECT_EQ(user.shownBefore, kNoScores);
    EXPECT_EQ(user.shownAfter, kFakeScores);
    EXPECT_EQ(summary->GetDlgItemText(1169), L"8.1");
    EXPECT_TRUE(HasVisibleStyle(summary->GetDlgItem(1169)));
    EXPECT_FALSE(HasVisibleStyle(summary->GetDlgItem(1014)));
    const struct {
        size_t section;
        const wchar_t* score;
    } pages[] = {{2, L"9.1"}, {3, L"9.1"}, {4, L"8.1"}, {6, L"8.2"}};  // CPU, Memory, Graphics, Storage
    for (const auto& p : pages) {
        CSectionPage* page = SectionPage(main, p.section);
        EXPECT_EQ(page->GetDlgItemText(1169), p.score) << p.section;
        EXPECT_TRUE(HasVisibleStyle(page->GetDlgItem(1169))) << p.section;
    }
    main.DestroyWindow();
}

}  // namespace
