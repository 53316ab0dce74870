// The Graphics, Storage, Network and Audio pages in-process, inside a main
// window created the way start-up creates it: the device combos, the "-"
// rules and the one-second refresh of the live fields.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/COrvanelDlg.h"
#include "pages/CSectionPage.h"
#include "pages/core/DevicePageText.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"
#include "tests/wine/support/PageReveal.h"
#include "tests/wine/support/TestSupport.h"

namespace {

enum Section : size_t { kGraphics = 4, kStorage = 6, kNetwork = 7, kAudio = 8 };
const int kCombo = 1124;

class DevicePages : public ::testing::Test {
protected:
    void SetUp() override {
        theApp.m_gdiplus.Startup();
        theApp.m_collectors.Build();
        theApp.m_translate.Load(L"English");
    }
    void TearDown() override {
        theApp.m_monitorWindows.clear();
        if (dlg.GetSafeHwnd()) dlg.DestroyWindow();
    }

    // The main window with its pages, once the collectors hold what the test needs.
    void OpenMainWindow() { ASSERT_TRUE(dlg.Create(IDD_ORVANEL_DIALOG, static_cast<HWND>(nullptr))); }

    CSectionPage* Page(size_t section) const { return SectionPage(dlg, section); }
    bool WaitForReveal() const { return ::WaitForReveal(dlg, {kGraphics, kStorage, kNetwork, kAudio}); }

    static LRESULT ComboCount(CSectionPage* page) { return ::SendMessageW(page->GetDlgItem(kCombo), CB_GETCOUNT, 0, 0); }
    static LRESULT ComboSelection(CSectionPage* page) {
        return ::SendMessageW(page->GetDlgItem(kCombo), CB_GETCURSEL, 0, 0);
    }
    static void Select(CSectionPage* page, int index) {
        HWND combo = page->GetDlgItem(kCombo);
        ::SendMessageW(combo, CB_SETCURSEL, index, 0);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(kCombo, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    }

    ScopedSettings settings;
    COrvanelDlg dlg{theApp.Context()};
};

TEST_F(DevicePages, WithoutDevicesTheCombosStayEmptyAndTheDetailsShowDashes) {
    static_cast<StorageDriveLists&>(theApp.m_collectors.Storage()) = StorageDriveLists();
    CHardwareNetwork& net = theApp.m_collectors.Network();
    for (auto* list : {&net.AdapterNames, &net.Descriptions, &net.MacAddresses, &net.DhcpServers, &net.IpAddresses,
                       &net.IpMasks, &net.Gateways, &net.AdapterTypes})
        list->clear();
    net.DhcpEnabled.clear();
    CHardwareAudio& audio = theApp.m_collectors.Audio();
    for (auto* list : {&audio.Captions, &audio.Manufacturers, &audio.Names, &audio.Statuses, &audio.OutputDevices,
                       &audio.InputDevices})
        list->clear();
    OpenMainWindow();
    ASSERT_TRUE(WaitForReveal());

    const struct {
        size_t section;
        std::vector<int> fields;
    } pages[] = {
        {kStorage, {1091, 1057, 1052, 1002, 1127, 1126}},
        {kNetwork, {1142, 1143, 1144, 1127, 1101, 1145, 1146}},
        {kAudio, {1131, 1052, 1132, 1138, 1137}},
    };
    for (const auto& p : pages) {
        CSectionPage* page = Page(p.section);
        EXPECT_EQ(ComboCount(page), 0) << p.section;
        EXPECT_EQ(ComboSelection(page), CB_ERR) << p.section;
        // No noise item is left behind in the edit part.
        EXPECT_EQ(page->GetDlgItemText(kCombo), L"") << p.section;
        for (int id : p.fields) EXPECT_EQ(page->GetDlgItemText(id), L"-") << p.section << " field " << id;
    }
    // Without a link the bandwidth reads zero, not a dash (once the page is shown).
    ASSERT_TRUE(TreeView_SelectItem(dlg.Tree(), dlg.Pages()[kNetwork].item));
    EXPECT_EQ(Page(kNetwork)->GetDlgItemText(1002), L"0 kbps");
}

TEST_F(DevicePages, FirstDriveShownAfterTheRevealAndAnotherChoiceUpdatesEveryDetail) {
    StorageDriveLists& drives = theApp.m_collectors.Storage();
    drives = StorageDriveLists();
    drives.Captions = {L"Boot SSD", L"Data HDD"};
    drives.Descriptions = {L"Disk drive", L"Disk drive 2"};
    drives.Manufacturers = {L"(Standard disk drives)", L"Maker B"};
    drives.Models = {L"Model A", L"Model B"};
    drives.SizeTexts = {L"465.76 GB (500107862016 bytes)", L"0.00 GB (0 bytes)"};
    drives.Statuses = {L"OK", L""};
    drives.MediaTypes = {L"Fixed hard disk media", L"Removable Media"};
    OpenMainWindow();
    ASSERT_TRUE(WaitForReveal());

    CSectionPage* page = Page(kStorage);
    EXPECT_EQ(ComboCount(page), 2);
    EXPECT_EQ(ComboSelection(page), 0);
    EXPECT_EQ(page->GetDlgItemText(kCombo), L"Boot SSD");
    const int fields[] = {1091, 1057, 1052, 1002, 1127, 1126};
    const wchar_t* first[] = {L"(Standard disk drives)", L"Model A", L"465.76 GB (500107862016 bytes)",
                              L"Fixed hard disk media", L"Disk drive", L"OK"};
    const wchar_t* second[] = {L"Maker B", L"Model B", L"0.00 GB (0 bytes)", L"Removable Media", L"Disk drive 2", L"-"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(page->GetDlgItemText(fields[i]), first[i]) << fields[i];
    Select(page, 1);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(page->GetDlgItemText(fields[i]), second[i]) << fields[i];
}

TEST_F(DevicePages, TypingIntoADeviceComboIsUndone) {
    StorageDriveLists& drives = theApp.m_collectors.Storage();
    drives = StorageDriveLists();
    for (const wchar_t* caption : {L"Boot SSD", L"Data HDD"}) {
        drives.Captions.push_back(caption);
        for (auto* list : {&drives.Descriptions, &drives.Manufacturers, &drives.Models, &drives.SizeTexts,
                           &drives.Statuses, &drives.MediaTypes})
            list->push_back(L"x");
    }
    OpenMainWindow();
    ASSERT_TRUE(WaitForReveal());
    CSectionPage* page = Page(kStorage);
    Select(page, 1);
    HWND edit = ::GetWindow(page->GetDlgItem(kCombo), GW_CHILD);
    ASSERT_NE(edit, nullptr);
    for (wchar_t c : {L'\b', L'Q', L'z'}) ::SendMessageW(edit, WM_CHAR, c, 0);
    EXPECT_EQ(page->GetDlgItemText(kCombo), L"Data HDD");
    EXPECT_EQ(ComboSelection(page), 1);
}

TEST_F(DevicePages, BandwidthAndVolumeAreReadWhenShownAndEverySecondWhileShown) {
    OpenMainWindow();
    ASSERT_TRUE(WaitForReveal());
    const std::wstring bandwidth = BandwidthText(theApp.m_collectors.Network().GetBandwidth());
    const std::wstring volume = DashIfEmpty(theApp.m_collectors.Audio().GetVolumeText());
    const struct {
        size_t section;
        std::wstring text;
    } live[] = {{kNetwork, bandwidth}, {kAudio, volume}};
    for (const auto& l : live) {
        SCOPED_TRACE(l.section);
        CSectionPage* page = Page(l.section);
        // Hidden, the page reads nothing.
        page->SetDlgItemText(1002, L"stale");
        PumpMessages(1300);
        EXPECT_EQ(page->GetDlgItemText(1002), L"stale");

        // Chosen in the tree, it shows a fresh reading at once...
        ASSERT_TRUE(TreeView_SelectItem(dlg.Tree(), dlg.Pages()[l.section].item));
        EXPECT_EQ(page->GetDlgItemText(1002), l.text);
        // ...and a new one every second.
        page->SetDlgItemText(1002, L"stale");
        PumpMessages(1300);
        EXPECT_EQ(page->GetDlgItemText(1002), l.text);

        // Another section chosen: this one stops reading.
        ASSERT_TRUE(TreeView_SelectItem(dlg.Tree(), dlg.Pages()[0].item));
        page->SetDlgItemText(1002, L"stale");
        PumpMessages(1300);
        EXPECT_EQ(page->GetDlgItemText(1002), L"stale");
    }
}

}  // namespace
