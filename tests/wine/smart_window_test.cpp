// The drive health window, created in-process over recorded drive answers
// and over the real drive door (which, under Wine, yields no readable drive).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "resources/resource.h"
#include "smart/CDlgSMART.h"
#include "tests/common/FakeDriveIo.h"
#include "tests/common/SmartBlocks.h"
#include "tests/wine/support/Canvas.h"
#include "tests/wine/support/TestSupport.h"

namespace {

// 976773168 sectors of 512 bytes: 500.11 GB.
FakeDrive AtaDrive() {
    IdentifyBlock id;
    id.Text(27, 20, "ACME HDD 500").Text(10, 10, "     SER0001").Text(23, 4, "FW1.2");
    id.Word(60, 0x6030).Word(61, 0x3A38);
    return FakeDrive::Ata(id.Bytes,
                          SmartDataBlock({
                              {1, 100, 100, 0},     // normal
                              {5, 100, 100, 3},     // reallocated sectors counted: warning
                              {196, 9, 9, 0},       // at its threshold: failing
                              {199, 0, 0, 0},       // current 0 but no threshold: normal
                              {194, 62, 40, 38},    // temperature
                          }),
                          ThresholdBlock({{1, 51}, {5, 10}, {196, 10}, {199, 0}, {194, 0}}));
}

// 512110190592 bytes; critical warning 4, 37 degrees, 3 percent used.
FakeDrive NvmeDrive() {
    std::vector<uint8_t> id(4096, 0);
    const std::string serial = "NV0002", model = "ACME NVME", firmware = "3B2QGXA7";
    std::copy(serial.begin(), serial.end(), id.begin() + 4);
    std::copy(model.begin(), model.end(), id.begin() + 24);
    std::copy(firmware.begin(), firmware.end(), id.begin() + 64);
    const uint64_t capacity = 512110190592ull;
    for (int k = 0; k < 8; ++k) id[280 + k] = static_cast<uint8_t>(capacity >> (8 * k));
    return FakeDrive::NvmeDrive(id, NvmeHealthLog(4, 310, 3, 1000, 2000));
}

// Answers the bus query but none of the S.M.A.R.T. requests.
FakeDrive SilentDrive() {
    FakeDrive d;
    d.BusType = 11;
    return d;
}

class SmartWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&icc);
        theApp.m_translate.Load(L"English");
        theApp.m_gdiplus.Startup();
    }

    void Open(CDlgSMART& dlg, bool dark = true) {
        theApp.m_options.SetBool(L"fDarkMode", dark);
        ASSERT_TRUE(dlg.Create(IDD_SMART, static_cast<HWND>(nullptr)));
        dlg.ShowWindow(SW_SHOW);
        PumpMessages(50);
    }

    static HWND Combo(const CDlgSMART& dlg) { return dlg.GetDlgItem(IDC_SMART_DRIVE); }
    static HWND List(const CDlgSMART& dlg) { return dlg.GetDlgItem(IDC_SMART_LIST); }

    static std::vector<std::wstring> ComboItems(const CDlgSMART& dlg) {
        std::vector<std::wstring> items;
        const int n = static_cast<int>(::SendMessageW(Combo(dlg), CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t text[256] = {};
            ::SendMessageW(Combo(dlg), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            const LRESULT data = ::SendMessageW(Combo(dlg), CB_GETITEMDATA, i, 0);
            items.push_back(std::to_wstring(data) + L"=" + text);
        }
        return items;
    }

    static std::wstring Cell(HWND list, int row, int col) {
        wchar_t text[256] = {};
        ListView_GetItemText(list, row, col, text, 256);
        return text;
    }

    static LPARAM RowData(HWND list, int row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(list, &item);
        return item.lParam;
    }

    static std::vector<std::wstring> Fields(const CDlgSMART& dlg) {
        return {dlg.GetDlgItemText(IDC_SMART_SERIAL), dlg.GetDlgItemText(IDC_SMART_FIRMWARE),
                dlg.GetDlgItemText(IDC_SMART_HEALTH), dlg.GetDlgItemText(IDC_SMART_TEMPERATURE)};
    }

    // The text colour the window gives a control when asked to colour it.
    static COLORREF FieldTextColour(const CDlgSMART& dlg, int id) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        ::SetTextColor(dc, RGB(1, 2, 3));
        dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)));
        const COLORREF colour = ::GetTextColor(dc);
        ::DeleteDC(dc);
        return colour;
    }

    static void SelectItem(const CDlgSMART& dlg, int item) {
        ::SendMessageW(Combo(dlg), CB_SETCURSEL, item, 0);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_SMART_DRIVE, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Combo(dlg)));
    }
};

TEST_F(SmartWindow, ListsReadableDrivesAndShowsTheFirst) {
    FakeDriveIo io;
    io.Drives[0] = AtaDrive();
    io.Drives[1] = SilentDrive();
    io.Drives[2] = NvmeDrive();
    CDlgSMART dlg(theApp.Context(), io);
    Open(dlg);

    EXPECT_EQ(dlg.GetWindowText(), L"S.M.A.R.T. Attributes");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_SMART_HEALTH_LABEL), L"Health Status");
    EXPECT_EQ(ComboItems(dlg),
              (std::vector<std::wstring>{L"0=(0) ACME HDD 500 : 500.11 GB", L"2=(2) ACME NVME : 512.11 GB"}));
    EXPECT_EQ(::SendMessageW(Combo(dlg), CB_GETCURSEL, 0, 0), 0);

    EXPECT_EQ(Fields(dlg), (std::vector<std::wstring>{L"SER0001", L"FW1.2", L"Warning", L"38\u00B0C"}));
    EXPECT_EQ(FieldTextColour(dlg, IDC_SMART_HEALTH), RGB(255, 255, 0));
    EXPECT_EQ(FieldTextColour(dlg, IDC_SMART_SERIAL), RGB(0, 255, 0));
    HWND list = List(dlg);
    ASSERT_EQ(ListView_GetItemCount(list), 5);
    const wchar_t* ids[] = {L"01", L"05", L"C4", L"C7", L"C2"};
    const LPARAM severities[] = {kSeverityNormal, kSeverityWarning, kSeverityFailing, kSeverityNormal,
                                 kSeverityNormal};
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(Cell(list, row, 0), ids[row]) << row;
        EXPECT_EQ(RowData(list, row), severities[row]) << row;
    }
    EXPECT_EQ(Cell(list, 1, 1), L"Reallocated Sectors Count");
    EXPECT_EQ(Cell(list, 1, 2), L"100");
    EXPECT_EQ(Cell(list, 1, 4), L"10");
    EXPECT_EQ(Cell(list, 1, 5), L"000000000003");
    const DWORD ex = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE((ex & LVS_EX_GRIDLINES) && (ex & LVS_EX_FULLROWSELECT));

    // Choosing the NVMe drive reads it and replaces the rows.
    SelectItem(dlg, 1);
    EXPECT_EQ(Fields(dlg), (std::vector<std::wstring>{L"NV0002", L"3B2QGXA7", L"Bad (97%)", L"37\u00B0C"}));
    EXPECT_EQ(FieldTextColour(dlg, IDC_SMART_HEALTH), RGB(255, 0, 0));
    ASSERT_EQ(ListView_GetItemCount(list), 4);
    for (int row = 0; row < 4; ++row) {
        for (int col = 2; col <= 4; ++col) EXPECT_EQ(Cell(list, row, col), L"---") << row << "/" << col;
    }
    EXPECT_EQ(Cell(list, 0, 5), L"000000000004");
    EXPECT_EQ(RowData(list, 0), kSeverityFailing);
    EXPECT_EQ(RowData(list, 1), kSeverityNormal);

    // A drive that stops answering after the list was made shows nothing,
    // not the texts of the drive shown before it.
    io.Drives[0].Opens = false;
    SelectItem(dlg, 0);
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    EXPECT_EQ(Fields(dlg), (std::vector<std::wstring>{L"", L"", L"", L""}));
}

TEST_F(SmartWindow, FirstReadableDriveIsShownWhateverItsNumber) {
    FakeDriveIo io;
    io.Drives[0] = SilentDrive();
    io.Drives[0].Opens = false;
    io.Drives[1] = NvmeDrive();
    CDlgSMART dlg(theApp.Context(), io);
    Open(dlg);
    EXPECT_EQ(ComboItems(dlg), (std::vector<std::wstring>{L"1=(1) ACME NVME : 512.11 GB"}));
    EXPECT_EQ(ListView_GetItemCount(List(dlg)), 4);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_SMART_SERIAL), L"NV0002");
}

// Finds the message box the window opens on the UI thread, keeps its text
// and closes it.
struct MessageBoxCloser {
    DWORD uiThread = ::GetCurrentThreadId();
    std::wstring text;
    std::atomic<bool> stop{false};
    std::thread worker;

    static BOOL CALLBACK Visit(HWND wnd, LPARAM lp) {
        auto* self = reinterpret_cast<MessageBoxCloser*>(lp);
        HWND label = ::GetDlgItem(wnd, 0xFFFF);
        if (!label) return TRUE;
        wchar_t buf[512] = {};
        ::GetWindowTextW(label, buf, 512);
        self->text = buf;
        ::PostMessageW(wnd, WM_COMMAND, IDOK, 0);
        return FALSE;
    }
    MessageBoxCloser() {
        worker = std::thread([this] {
            for (int i = 0; i < 100 && !stop && text.empty(); ++i) {
                ::EnumThreadWindows(uiThread, Visit, reinterpret_cast<LPARAM>(this));
                ::Sleep(50);
            }
        });
    }
    ~MessageBoxCloser() {
        stop = true;
        worker.join();
    }
};

TEST_F(SmartWindow, NoDriveGivesHeadingsOnlyAndSelectingNothingAsksForADrive) {
    FakeDriveIo io;
    io.Drives[0] = SilentDrive();
    CDlgSMART dlg(theApp.Context(), io);
    Open(dlg);

    EXPECT_EQ(::SendMessageW(Combo(dlg), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(ListView_GetItemCount(List(dlg)), 0);
    EXPECT_EQ(Fields(dlg), (std::vector<std::wstring>{L"", L"", L"", L""}));
    HWND header = ListView_GetHeader(List(dlg));
    ASSERT_EQ(Header_GetItemCount(header), 6);
    const wchar_t* headings[] = {L"ID", L"Name", L"Current", L"Worst", L"Threshold", L"Raw"};
    const int widths[] = {25, 270, 72, 72, 72, 100};
    for (int i = 0; i < 6; ++i) {
        wchar_t text[64] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 64;
        Header_GetItem(header, i, &item);
        EXPECT_STREQ(text, headings[i]);
        EXPECT_EQ(item.cxy, widths[i]);
    }

    std::wstring notice;
    {
        MessageBoxCloser closer;
        SelectItem(dlg, -1);
        notice = closer.text;
    }
    EXPECT_EQ(notice, L"Please select a target drive array slot first.");
}

TEST_F(SmartWindow, RealDrivesUnderWineOpenEmptyWithoutError) {
    CDlgSMART dlg(theApp.Context());
    Open(dlg);
    EXPECT_EQ(::SendMessageW(Combo(dlg), CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(ListView_GetItemCount(List(dlg)), 0);
    EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(List(dlg))), 6);
    EXPECT_TRUE(::IsWindowVisible(dlg.GetSafeHwnd()));
}

// The colours each row was drawn in, read back from the list painted into
// a bitmap of our own.
std::vector<std::set<COLORREF>> PaintedRowColours(HWND list) {
    RECT client;
    ::GetClientRect(list, &client);
    Canvas canvas(client.right, client.bottom);
    ::SendMessageW(list, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT | PRF_ERASEBKGND);

    std::vector<std::set<COLORREF>> rows;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        RECT r;
        ListView_GetItemRect(list, i, &r, LVIR_BOUNDS);
        std::set<COLORREF> colours;
        for (int y = std::max(0L, r.top + 1); y < std::min(client.bottom, r.bottom - 1); ++y) {
            for (int x = std::max(0L, r.left + 1); x < std::min(client.right, r.right - 1); ++x) {
                const uint32_t p = canvas.At(x, y);
                colours.insert(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
            }
        }
        rows.push_back(colours);
    }
    return rows;
}

TEST_F(SmartWindow, RowsAreDrawnInTheirSeverityColours) {
    struct Expect {
        COLORREF text;
        COLORREF back;
    };
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    const COLORREF windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    struct Case {
        bool dark;
        Expect rows[4];  // normal, warning, failing, normal with threshold 0
    } cases[] = {
        {true,
         {{RGB(0, 255, 0), black}, {RGB(255, 255, 0), black}, {RGB(255, 0, 0), black}, {RGB(0, 255, 0), black}}},
        {false,
         {{windowText, window},
          {RGB(120, 80, 0), RGB(255, 248, 220)},
          {RGB(150, 0, 0), RGB(255, 230, 230)},
          {windowText, window}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dark ? "dark" : "light");
        FakeDriveIo io;
        io.Drives[0] = AtaDrive();
        CDlgSMART dlg(theApp.Context(), io);
        Open(dlg, c.dark);
        std::vector<std::set<COLORREF>> rows = PaintedRowColours(List(dlg));
        ASSERT_EQ(rows.size(), 5u);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_TRUE(rows[i].count(c.rows[i].text)) << std::hex << c.rows[i].text;
            EXPECT_TRUE(rows[i].count(c.rows[i].back)) << std::hex << c.rows[i].back;
        }
        // The light list keeps its own colours for normal rows: nothing of
        // the warning or failing tints leaks into them.
        if (!c.dark) {
            EXPECT_FALSE(rows[0].count(RGB(255, 248, 220)) || rows[0].count(RGB(255, 230, 230)));
        }
        dlg.DestroyWindow();
    }
}

}  // namespace
