// The section pages in-process, inside a main window created the way
// start-up creates it: the reveal, the WEI fields, the keys a page ignores,
// the monitor button, the colours and the rebuilds.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <set>

#include "app/AppMessages.h"
#include "app/COrvanelDlg.h"
#include "pages/CSectionPage.h"
#include "common/Text.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {

enum Section : size_t {
    kSummary = 0, kSoftware, kCpu, kMemory, kGraphics, kMotherboard, kStorage, kNetwork, kAudio
};
const size_t kAllSections[] = {kSummary,     kSoftware, kCpu,     kMemory, kGraphics,
                               kMotherboard, kStorage,  kNetwork, kAudio};

bool IsNoise(const std::wstring& text, size_t digits) {
    if (text.size() != digits + digits / 2) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        const bool hex = (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F');
        if (i % 3 == 2 ? c != L' ' : !hex) return false;
    }
    return true;
}

// The style bit, not IsWindowVisible: the main window itself is never shown here.
bool HasVisibleStyle(HWND h) { return h && (::GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE); }

class SectionPages : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.m_gdiplus.Startup();
        theApp.m_collectors.Build();
        theApp.m_translate.Load(L"English");
        ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr)));
    }
    void TearDown() override {
        theApp.m_monitorWindows.clear();
        dlg.DestroyWindow();
    }

    CSectionPage* Page(size_t section) const { return SectionPage(dlg, section); }
    bool WaitForReveal() const { return ::WaitForReveal(dlg); }

    void Click(CSectionPage* page, int button) {
        page->SendMessage(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(page->GetDlgItem(button)));
    }

    ScopedSettings settings;
    COrvanelDlg dlg{theApp.Context()};
};

TEST_F(SectionPages, FieldsShowNoiseDuringTheRevealAndTheCollectorsTextsAfterIt) {
    CSectionPage* cpu = Page(kCpu);
    ASSERT_NE(cpu, nullptr);
    EXPECT_FALSE(cpu->Revealed());
    PumpMessages(300);
    EXPECT_FALSE(cpu->Revealed());
    // Each field at its own length; the noise changes from frame to frame.
    const struct {
        int id;
        size_t digits;
    } noise[] = {{1052, 28}, {1055, 2}, {1060, 6}, {1065, 8}, {1064, 2}};
    for (const auto& n : noise) EXPECT_TRUE(IsNoise(cpu->GetDlgItemText(n.id), n.digits)) << n.id;
    std::set<std::wstring> frames;
    for (int i = 0; i < 5; ++i) {
        frames.insert(cpu->GetDlgItemText(1052));
        PumpMessages(70);
    }
    EXPECT_GT(frames.size(), 1u);

    ASSERT_TRUE(WaitForReveal());
    CHardwareCPU& c = theApp.m_collectors.Cpu();
    const struct {
        int id;
        std::wstring text;
    } values[] = {
        {1052, c.GetProcessorName()},  {1055, c.GetFamily()},     {1056, c.GetExtFamily()},
        {1057, c.GetModel()},          {1058, c.GetExtModel()},   {1059, c.GetStepping()},
        {1060, c.GetMaxClock()},       {1065, c.GetCacheL1Data()}, {1002, c.GetCacheL1Instruction()},
        {1066, c.GetCacheL2()},        {1067, c.GetCacheL3()},    {1062, c.GetSocketCount()},
        {1063, c.GetCoreCount()},      {1064, c.GetThreadCount()},
    };
    for (const auto& v : values) EXPECT_EQ(cpu->GetDlgItemText(v.id), v.text) << v.id;
    EXPECT_FALSE(c.GetProcessorName().empty());
    EXPECT_EQ(cpu->GetDlgItemText(1001), L"CPU");
    EXPECT_EQ(cpu->GetDlgItemText(1075), L"Maximum Clock Speed");

    // The other pages end on their values too (never on noise); the board
    // and firmware fields show the collector's text, trimmed, or "-".
    EXPECT_EQ(Page(kSummary)->GetDlgItemText(1052), c.GetProcessorName());
    EXPECT_EQ(Page(kMemory)->GetDlgItemText(1052), theApp.m_collectors.Memory().GetInstalledMemory());
    EXPECT_EQ(Page(kSoftware)->GetDlgItemText(1039), theApp.m_collectors.Software().GetEdition());
    CHardwareMotherboard& board = theApp.m_collectors.Motherboard();
    const struct {
        int id;
        std::wstring text;
    } boardValues[] = {
        {1091, board.GetBoardManufacturer()}, {1057, board.GetBoardProduct()},
        {1002, board.GetBoardVersion()},      {1119, board.GetBiosManufacturer()},
        {1121, theApp.m_collectors.Smbios().BiosVersion},  {1123, board.GetBiosReleaseDate()},
    };
    for (const auto& v : boardValues)
        EXPECT_EQ(Page(kMotherboard)->GetDlgItemText(v.id), DashIfEmpty(TrimWhiteSpace(v.text))) << v.id;
}

TEST_F(SectionPages, WeiFieldsAppearWithNewScores) {
    ASSERT_TRUE(WaitForReveal());
    CSectionPage* cpu = Page(kCpu);
    CSectionPage* memory = Page(kMemory);
    CSectionPage* summary = Page(kSummary);
    // No assessment yet: sub-score fields and labels hidden, Assess in the score's place.
    for (CSectionPage* p : {cpu, memory}) {
        EXPECT_FALSE(HasVisibleStyle(p->GetDlgItem(1169)));
        EXPECT_FALSE(HasVisibleStyle(p->GetDlgItem(1168)));
        EXPECT_EQ(p->GetDlgItemText(1169), L"-");
    }
    EXPECT_FALSE(HasVisibleStyle(summary->GetDlgItem(1169)));
    EXPECT_TRUE(HasVisibleStyle(summary->GetDlgItem(1014)));

    theApp.m_winsat.baseScore = L"5.9";
    theApp.m_winsat.processorScore = L"7.9";
    theApp.m_winsat.memoryScore = L"5.9";
    theApp.m_winsat.graphicsScore = L"6.4";
    theApp.m_winsat.diskScore = L"8.1";
    dlg.SendMessage(WM_APP_WEI);

    // Every page with a WEI field takes its own sub-score.
    CSectionPage* graphics = Page(kGraphics);
    CSectionPage* storage = Page(kStorage);
    EXPECT_EQ(cpu->GetDlgItemText(1169), L"7.9");
    EXPECT_EQ(memory->GetDlgItemText(1169), L"5.9");
    EXPECT_EQ(graphics->GetDlgItemText(1169), L"6.4");
    EXPECT_EQ(storage->GetDlgItemText(1169), L"8.1");
    for (CSectionPage* p : {cpu, memory, graphics, storage}) {
        EXPECT_TRUE(HasVisibleStyle(p->GetDlgItem(1169)));
        EXPECT_TRUE(HasVisibleStyle(p->GetDlgItem(1168)));
    }
    EXPECT_EQ(summary->GetDlgItemText(1169), L"5.9");
    EXPECT_TRUE(HasVisibleStyle(summary->GetDlgItem(1169)));
    EXPECT_FALSE(HasVisibleStyle(summary->GetDlgItem(1014)));
}

TEST_F(SectionPages, ScoreArrivingDuringTheRevealIsWhatTheRevealEndsOn) {
    theApp.m_winsat.baseScore = L"6.2";
    dlg.SendMessage(WM_APP_WEI);
    ASSERT_TRUE(WaitForReveal());
    EXPECT_EQ(Page(kSummary)->GetDlgItemText(1169), L"6.2");
    EXPECT_TRUE(HasVisibleStyle(Page(kSummary)->GetDlgItem(1169)));
}

TEST_F(SectionPages, EnterAndEscapeLeaveEveryPageOpen) {
    for (size_t s : kAllSections) {
        CSectionPage* page = Page(s);
        ASSERT_NE(page, nullptr) << s;
        const HWND h = page->m_hWnd;
        page->SendMessage(WM_COMMAND, IDOK);
        page->SendMessage(WM_COMMAND, IDCANCEL);
        EXPECT_TRUE(::IsWindow(h)) << s;
        EXPECT_EQ(page->m_hWnd, h) << s;
    }
}

TEST_F(SectionPages, UsageButtonKeepsOneMonitorWindowPerPage) {
    auto& windows = theApp.m_monitorWindows;
    Click(Page(kCpu), 1053);
    ASSERT_EQ(windows.size(), 1u);
    const HWND first = windows[0]->m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(windows[0]->GetWindowText(), L"CPU Usage");

    // Open: a second press does nothing.
    Click(Page(kCpu), 1053);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->m_hWnd, first);

    // A page re-created by a language change takes the open window over.
    dlg.SendMessage(WM_APP_LANGUAGE);
    Click(Page(kCpu), 1053);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->m_hWnd, first);

    // Closed (hidden): the next press replaces it with a fresh window.
    ::SendMessageW(first, WM_COMMAND, IDCANCEL, 0);
    ASSERT_FALSE(::IsWindowVisible(first));
    Click(Page(kCpu), 1053);
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_TRUE(::IsWindowVisible(windows[0]->m_hWnd));

    // The memory page has a window of its own.
    Click(Page(kMemory), 1092);
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->GetWindowText(), L"Memory Usage");
}

TEST_F(SectionPages, PausedMonitorOpensASecondLaterAndPressesMeanwhileDoNothing) {
    auto& windows = theApp.m_monitorWindows;
    Click(Page(kNetwork), 1053);
    Click(Page(kNetwork), 1053);
    EXPECT_TRUE(windows.empty());  // nothing yet: the press returned at once
    const DWORD end = ::GetTickCount() + 15000;
    while (windows.empty() && static_cast<LONG>(end - ::GetTickCount()) > 0) PumpMessages(50);
    PumpMessages(300);
    ASSERT_EQ(windows.size(), 1u);  // the second press added nothing
    EXPECT_EQ(windows[0]->GetWindowText(), L"Network Usage");
    EXPECT_TRUE(::IsWindowVisible(windows[0]->m_hWnd));
}

TEST_F(SectionPages, DarkPagesColourValuesGreenLabelsWhiteAndLightPagesLeaveItToThePlatform) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const HBRUSH hollow = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
    auto ask = [&](CSectionPage* page, int id) {
        ::SetTextColor(dc, RGB(1, 2, 3));
        ::SetBkMode(dc, OPAQUE);
        return reinterpret_cast<HBRUSH>(
            page->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(page->GetDlgItem(id))));
    };
    CSectionPage* cpu = Page(kCpu);
    // Value field (a read-only edit asks as a static): green on black.
    HBRUSH brush = ask(cpu, 1052);
    EXPECT_NE(brush, nullptr);
    EXPECT_NE(brush, hollow);
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 255, 0));
    EXPECT_EQ(::GetBkColor(dc), RGB(0, 0, 0));
    // Label: white over whatever lies behind it; title: green.
    EXPECT_EQ(ask(cpu, 1070), hollow);
    EXPECT_EQ(::GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(::GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(ask(cpu, 1001), hollow);
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 255, 0));
    // The WEI field counts as a value field even while hidden.
    ask(cpu, 1169);
    EXPECT_EQ(::GetTextColor(dc), RGB(0, 255, 0));

    theApp.m_options.SetBool(L"fDarkMode", false);
    dlg.SendMessage(WM_APP_DARKMODE);
    ask(Page(kCpu), 1052);
    EXPECT_NE(::GetTextColor(dc), RGB(0, 255, 0));
    EXPECT_NE(ask(Page(kCpu), 1070), hollow);
    ::DeleteDC(dc);
}

// Every text of a page fits its static, and no static runs into a field.
void ExpectNothingClipped(HWND page, const std::wstring& where) {
    std::vector<HWND> statics, fields;
    for (HWND c = ::GetWindow(page, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        ::GetClassNameW(c, cls, 16);
        if (_wcsicmp(cls, L"Static") == 0) statics.push_back(c);
        if (_wcsicmp(cls, L"Edit") == 0) fields.push_back(c);
    }
    for (HWND s : statics) {
        wchar_t text[256] = {};
        ::GetWindowTextW(s, text, 256);
        RECT client{};
        ::GetClientRect(s, &client);
        RECT need{0, 0, client.right, 0};
        HDC dc = ::GetDC(s);
        HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(s, WM_GETFONT, 0, 0)));
        ::DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, old);
        ::ReleaseDC(s, dc);
        EXPECT_LE(need.right, client.right) << where << " \"" << ::testing::PrintToString(std::wstring(text)) << "\"";
        EXPECT_LE(need.bottom, client.bottom) << where << " \"" << ::testing::PrintToString(std::wstring(text)) << "\"";
        RECT sr{}, fr{}, overlap{};
        ::GetWindowRect(s, &sr);
        for (HWND f : fields) {
            ::GetWindowRect(f, &fr);
            EXPECT_FALSE(::IntersectRect(&overlap, &sr, &fr))
                << where << " \"" << ::testing::PrintToString(std::wstring(text)) << "\" runs into field "
                << ::GetDlgCtrlID(f);
        }
    }
}

void ExpectLabelsFitInEveryLanguage(COrvanelDlg& dlg, const wchar_t* font) {
    theApp.SetAppFont(font);
    dlg.SendMessage(WM_APP_FONT);
    for (const wchar_t* language : {L"English", L"Russian", L"Chinese", L"German"}) {
        theApp.m_translate.Load(language);
        dlg.SendMessage(WM_APP_LANGUAGE);
        for (size_t s : kAllSections)
            ExpectNothingClipped(dlg.Page(s)->m_hWnd, std::wstring(language) + L"/" + font + L"/" + std::to_wstring(s));
    }
}

TEST_F(SectionPages, LabelsFitInEveryLanguageWithTheEmbeddedFont) { ExpectLabelsFitInEveryLanguage(dlg, L"Sebastian Gothic NBP"); }

TEST_F(SectionPages, LabelsFitInEveryLanguageWithTheTemplateFont) { ExpectLabelsFitInEveryLanguage(dlg, L""); }

TEST_F(SectionPages, RebuildsReplaceEveryPageAndFreeTheOldOnes) {
    std::vector<HWND> old;
    // Each page owns its background brush and its title font.
    std::vector<HGDIOBJ> owned;
    HDC dc = ::CreateCompatibleDC(nullptr);
    for (size_t s : kAllSections) {
        CSectionPage* page = Page(s);
        old.push_back(page->m_hWnd);
        owned.push_back(reinterpret_cast<HGDIOBJ>(page->SendMessage(WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                                    reinterpret_cast<LPARAM>(page->m_hWnd))));
        owned.push_back(reinterpret_cast<HGDIOBJ>(::SendMessageW(page->GetDlgItem(1001), WM_GETFONT, 0, 0)));
    }
    ::DeleteDC(dc);
    ASSERT_EQ(::GetObjectType(owned[0]), static_cast<DWORD>(OBJ_BRUSH));  // dark pages answer with their brush
    ASSERT_EQ(::GetObjectType(owned[1]), static_cast<DWORD>(OBJ_FONT));

    const UINT notices[] = {WM_APP_LANGUAGE, WM_APP_DARKMODE, WM_APP_FONT};
    for (int round = 0; round < 2; ++round)
        for (UINT msg : notices) {
            theApp.m_options.SetBool(L"fDarkMode", round % 2 == 0);
            dlg.SendMessage(msg);
        }
    for (HWND h : old) EXPECT_FALSE(::IsWindow(h));
    for (size_t s : kAllSections) {
        CSectionPage* page = Page(s);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(::GetParent(page->m_hWnd), dlg.m_hWnd);
        EXPECT_FALSE(HasVisibleStyle(page->m_hWnd));
        RECT r = page->GetWindowRect();
        ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 146);
        EXPECT_EQ(r.top, 9);
    }
    ASSERT_TRUE(WaitForReveal());
    // The old pages' brushes and title fonts went with them.
    for (size_t i = 0; i < owned.size(); ++i) EXPECT_EQ(::GetObjectType(owned[i]), 0u) << i;
}

}  // namespace
