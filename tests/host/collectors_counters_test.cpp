#include <gtest/gtest.h>

#include <climits>

#include "collectors/core/CounterFigures.h"

namespace {

TEST(CounterFigures, GpuUsageIsTheBusiestEngine) {
    EXPECT_EQ(GpuUsageFromSamples({3, 57, 12}), 57);
    EXPECT_EQ(GpuUsageFromSamples({-1, -1}), 0);
    EXPECT_EQ(GpuUsageFromSamples({}), 0);
}

TEST(CounterFigures, LinkSpeedIsTheFastestLinkOrMinusOne) {
    EXPECT_EQ(LinkSpeedFromSamples({100000000, 1000000000, -1}), 1000000000);
    EXPECT_EQ(LinkSpeedFromSamples({-1, -1}), -1);
    EXPECT_EQ(LinkSpeedFromSamples({}), -1);
}

TEST(CounterFigures, NetworkUsage) {
    struct Case {
        const char* what;
        std::vector<int> bytes, bandwidth;
        int expected;
    };
    const Case cases[] = {
        {"8 Mbit/s on 100 Mbit/s", {1000000}, {100000000}, 8},
        {"500 bit/s rounds to 0, shown as 1", {62, 1}, {100000000}, 1},
        {"no traffic", {0, 0}, {100000000}, 0},
        {"traffic, every bandwidth sample failed", {1000}, {-1, -1}, 1},
        {"failed byte samples add nothing", {-1, 1000000}, {100000000}, 8},
        {"two links at 60 % of the faster", {7500000, 7500000}, {100000000, 10000000}, 120},
        {"nothing to sample", {}, {}, 0},
        {"bogus tiny bandwidth", {INT_MAX, INT_MAX}, {1}, INT_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(NetworkUsageFromSamples(c.bytes, c.bandwidth), c.expected) << c.what;
}

TEST(CounterFigures, NetworkInstanceNameReplacesReservedCharacters) {
    EXPECT_EQ(NetworkInstanceName(L"Wireless (5) 802.11/ac #2"), L"Wireless [5] 802.11_ac _2");
    EXPECT_EQ(NetworkInstanceName(L"eth0"), L"eth0");
}

TEST(CounterFigures, SplitNameListStaysInsideTheGivenLength) {
    const wchar_t list[] = L"GPU 0\0pid_4 eng_1\0pid_4 eng_1\0";  // duplicates stay
    EXPECT_EQ(SplitNameList(list, sizeof(list) / sizeof(wchar_t)),
              (std::vector<std::wstring>{L"GPU 0", L"pid_4 eng_1", L"pid_4 eng_1"}));
    // A list cut before its terminators ends at the length.
    std::unique_ptr<wchar_t[]> cut(new wchar_t[5]{L'a', L'\0', L'b', L'c', L'd'});
    EXPECT_EQ(SplitNameList(cut.get(), 5), (std::vector<std::wstring>{L"a", L"bcd"}));
    EXPECT_TRUE(SplitNameList(list, 0).empty());
    EXPECT_TRUE(SplitNameList(nullptr, 10).empty());
}

}  // namespace
