#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/core/DevicePageText.h"

namespace {

TEST(DevicePageText, EntryIsDashWhenEmptyUnselectedOrMissing) {
    const std::vector<std::wstring> statuses = {L"OK", L"", L"Pred Fail"};
    EXPECT_EQ(DeviceEntry(statuses, 0), L"OK");
    EXPECT_EQ(DeviceEntry(statuses, 2), L"Pred Fail");
    EXPECT_EQ(DeviceEntry(statuses, 1), L"-");   // the drive has no status
    EXPECT_EQ(DeviceEntry(statuses, -1), L"-");  // nothing selected
    EXPECT_EQ(DeviceEntry(statuses, 3), L"-");   // a list shorter than the others
    EXPECT_EQ(DeviceEntry({}, 0), L"-");

    const std::vector<bool> dhcp = {true, false};
    EXPECT_EQ(DeviceFlag(dhcp, 0, L"Yes", L"No"), L"Yes");
    EXPECT_EQ(DeviceFlag(dhcp, 1, L"Yes", L"No"), L"No");
    EXPECT_EQ(DeviceFlag(dhcp, 2, L"Yes", L"No"), L"-");
    EXPECT_EQ(DeviceFlag(dhcp, -1, L"Yes", L"No"), L"-");
}

TEST(DevicePageText, AdaptersAreNumberedFromOneWhateverTheirNames) {
    EXPECT_EQ(NumberedItems(L"Adapter", 3),
              (std::vector<std::wstring>{L"Adapter #1", L"Adapter #2", L"Adapter #3"}));
    EXPECT_EQ(NumberedItems(L"\x0410\x0434\x0430\x043F\x0442\x0435\x0440", 1),
              std::vector<std::wstring>{L"\x0410\x0434\x0430\x043F\x0442\x0435\x0440 #1"});
    EXPECT_TRUE(NumberedItems(L"Adapter", 0).empty());
}

TEST(DevicePageText, DeviceListOneNamePerLine) {
    EXPECT_EQ(DeviceListText({L"Speakers", L"Headphones"}), L"Speakers\r\nHeadphones");
    EXPECT_EQ(DeviceListText({L"Microphone"}), L"Microphone");
    EXPECT_EQ(DeviceListText({}), L"-");
}

TEST(DevicePageText, BandwidthInWholeKilobits) {
    struct Case {
        long bits;
        const wchar_t* text;
    };
    const Case cases[] = {
        {1000000000L, L"1000000 kbps"}, {999, L"0 kbps"}, {-1, L"0 kbps"}, {100000000L, L"100000 kbps"},
        {1999, L"1 kbps"},
    };
    for (const Case& c : cases) EXPECT_EQ(BandwidthText(c.bits), c.text) << c.bits;
}

}  // namespace
