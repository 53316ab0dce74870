// The screensaver set-up window in-process: what it reads from and writes to
// the user's desktop settings, and the command lines it starts.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "services/CDlgScreensaver.h"
#include "services/CRegistryKey.h"
#include "tests/wine/support/TestSupport.h"

namespace {

const wchar_t kOtherScreensaver[] = L"C:\\windows\\system32\\Mystify.scr";

// Records the command lines instead of starting processes.
class TestDlgScreensaver : public CDlgScreensaver {
public:
    TestDlgScreensaver() : CDlgScreensaver(theApp.Context(), nullptr) {}
    std::vector<std::wstring> started;

protected:
    void StartScreensaver(const std::wstring& commandLine) override { started.push_back(commandLine); }
};

class ScreensaverDialog : public ::testing::Test {
protected:
    void SetUp() override {
        // The tests share the user's desktop settings: one at a time, also across test programs.
        m_lock = ::CreateMutexW(nullptr, FALSE, L"OrvanelTestDesktopSettings");
        ::WaitForSingleObject(m_lock, INFINITE);
        theApp.m_gdiplus.Startup();
        theApp.m_translate.Load(L"English");
        m_desktop.Create(HKEY_CURRENT_USER, CDlgScreensaver::kDesktopKey, KEY_ALL_ACCESS);
        for (const wchar_t* name : kValues) {
            Saved s{name, std::wstring(), false};
            s.present = m_desktop.QueryString(name, 520, s.value) == ERROR_SUCCESS;
            m_saved.push_back(s);
        }
        ::SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &m_savedTimeOut, 0);
    }
    void TearDown() override {
        dlg.DestroyWindow();
        for (const Saved& s : m_saved) {
            if (s.present)
                m_desktop.SetString(s.name, s.value);
            else
                m_desktop.DeleteValue(s.name);
        }
        ::SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, m_savedTimeOut, nullptr, 0);
        ::ReleaseMutex(m_lock);
        ::CloseHandle(m_lock);
    }

    void Open() { ASSERT_TRUE(dlg.Create(IDD_SCREENSAVER, static_cast<HWND>(nullptr))); }
    std::wstring Value(const wchar_t* name) {
        std::wstring value;
        return m_desktop.QueryString(name, 520, value) == ERROR_SUCCESS ? value : L"(missing)";
    }
    void Click(int id) { ::SendMessageW(dlg.GetDlgItem(id), BM_CLICK, 0, 0); }
    bool Ticked(int id) { return ::IsDlgButtonChecked(dlg.m_hWnd, id) == BST_CHECKED; }
    bool Enabled(int id) { return ::IsWindowEnabled(dlg.GetDlgItem(id)) != FALSE; }
    void Type(const wchar_t* text) { ::SetWindowTextW(dlg.GetDlgItem(IDC_SCREENSAVER_WAIT), text); }
    std::wstring Shown() { return dlg.GetDlgItemText(IDC_SCREENSAVER_WAIT); }
    int SystemTimeOut() {
        int seconds = 0;
        ::SystemParametersInfoW(SPI_GETSCREENSAVETIMEOUT, 0, &seconds, 0);
        return seconds;
    }

    static constexpr const wchar_t* kValues[] = {L"SCRNSAVE.EXE", L"ScreenSaveActive", L"ScreenSaveTimeOut"};
    struct Saved {
        const wchar_t* name;
        std::wstring value;
        bool present;
    };
    HANDLE m_lock = nullptr;
    CRegistryKey m_desktop;
    std::vector<Saved> m_saved;
    int m_savedTimeOut = 0;
    ScopedSettings settings;
    TestDlgScreensaver dlg;
};

const int kDependent[] = {IDC_SCREENSAVER_WAIT, IDC_SCREENSAVER_WAIT_SPIN, IDC_SCREENSAVER_SECURE,
                          IDC_SCREENSAVER_PREVIEW, IDC_SCREENSAVER_SETTINGS};

TEST_F(ScreensaverDialog, AnotherScreensaverOpensUntickedAndTickingReplacesIt) {
    m_desktop.SetString(L"SCRNSAVE.EXE", kOtherScreensaver);
    m_desktop.SetString(L"ScreenSaveActive", L"1");
    Open();

    EXPECT_EQ(dlg.GetWindowText(), L"Screensaver");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_SCREENSAVER_ENABLE_LABEL), L"Enable");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_SCREENSAVER_SECURE_LABEL), L"On resume, display logon screen");
    EXPECT_FALSE(Ticked(IDC_SCREENSAVER_ENABLE));
    for (int id : kDependent) EXPECT_FALSE(Enabled(id)) << id;
    // This system does not answer the secure-on-resume query: unticked, and no message box came up.
    EXPECT_FALSE(Ticked(IDC_SCREENSAVER_SECURE));

    // The program's own screensaver: the 32-bit program runs under WoW64
    // in the tests' 64-bit prefix and finds it in SysWOW64; the 64-bit
    // build of the tests is no WoW64 program and finds it in the system folder.
    wchar_t windows[MAX_PATH] = {}, system[MAX_PATH] = {};
    ::GetWindowsDirectoryW(windows, MAX_PATH);
    ::GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(dlg.ScreensaverFile(), sizeof(void*) == 8 ? std::wstring(system) + L"\\orvanel.scr"
                                                        : std::wstring(windows) + L"\\SysWOW64\\orvanel.scr");

    Click(IDC_SCREENSAVER_ENABLE);
    EXPECT_TRUE(Ticked(IDC_SCREENSAVER_ENABLE));
    EXPECT_EQ(Value(L"SCRNSAVE.EXE"), dlg.ScreensaverFile());
    EXPECT_EQ(Value(L"ScreenSaveActive"), L"1");
    for (int id : kDependent) EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(ScreensaverDialog, OursOpensTickedAndUntickingKeepsTheActiveValue) {
    Open();  // only to learn the path
    const std::wstring ours = dlg.ScreensaverFile();
    dlg.DestroyWindow();
    m_desktop.SetString(L"SCRNSAVE.EXE", ours);
    m_desktop.SetString(L"ScreenSaveActive", L"1");
    Open();
    EXPECT_TRUE(Ticked(IDC_SCREENSAVER_ENABLE));
    for (int id : kDependent) EXPECT_TRUE(Enabled(id)) << id;

    Click(IDC_SCREENSAVER_ENABLE);
    EXPECT_EQ(Value(L"SCRNSAVE.EXE"), L"(missing)");
    EXPECT_EQ(Value(L"ScreenSaveActive"), L"1");
    for (int id : kDependent) EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(ScreensaverDialog, WaitingTimeIsShownInMinutesAndKeptWithinItsLimits) {
    ::SystemParametersInfoW(SPI_SETSCREENSAVETIMEOUT, 300, nullptr, 0);
    m_desktop.SetString(L"ScreenSaveTimeOut", L"300");
    Open();
    EXPECT_EQ(Shown(), L"5");
    EXPECT_EQ(Value(L"ScreenSaveTimeOut"), L"300");  // showing it is no change

    struct Case {
        const wchar_t* typed;
        const wchar_t* shown;
        int seconds;
    } cases[] = {
        {L"0", L"1", 60}, {L"12345", L"9999", 599940}, {L"42", L"42", 2520}, {L"", L"1", 60},
    };
    for (const auto& c : cases) {
        Type(c.typed);
        EXPECT_EQ(Shown(), c.shown) << c.typed;
        EXPECT_EQ(Value(L"ScreenSaveTimeOut"), std::to_wstring(c.seconds)) << c.typed;
        EXPECT_EQ(SystemTimeOut(), c.seconds) << c.typed;
    }

    // The up-down arrows are held to the same limits.
    HWND spin = dlg.GetDlgItem(IDC_SCREENSAVER_WAIT_SPIN);
    auto step = [&](int from, int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = spin;
        change.hdr.idFrom = IDC_SCREENSAVER_WAIT_SPIN;
        change.hdr.code = UDN_DELTAPOS;
        change.iPos = from;
        change.iDelta = delta;
        return ::SendMessageW(dlg.m_hWnd, WM_NOTIFY, IDC_SCREENSAVER_WAIT_SPIN, reinterpret_cast<LPARAM>(&change));
    };
    EXPECT_EQ(step(9999, 1), 0);  // the move itself is allowed
    EXPECT_EQ(Value(L"ScreenSaveTimeOut"), L"599940");
    step(1, -1);
    EXPECT_EQ(Value(L"ScreenSaveTimeOut"), L"60");
    step(7, 1);
    EXPECT_EQ(Value(L"ScreenSaveTimeOut"), L"480");
}

TEST_F(ScreensaverDialog, PreviewAndSettingsStartTheScreensaverWithTwoBlanksBeforeTheSwitch) {
    Open();
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SCREENSAVER_PREVIEW, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_SCREENSAVER_PREVIEW)));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SCREENSAVER_SETTINGS, BN_CLICKED),
                    reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_SCREENSAVER_SETTINGS)));
    const std::wstring path = dlg.ScreensaverFile();
    EXPECT_EQ(dlg.started, (std::vector<std::wstring>{path + L"  /s", path + L"  /c"}));
}

}  // namespace
