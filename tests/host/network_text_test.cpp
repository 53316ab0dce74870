#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "collectors/core/FixedText.h"
#include "collectors/core/NetworkText.h"
#include "collectors/core/WirelessNetworkList.h"

namespace {

TEST(MacAddress, FormatsTheRecordedLength) {
    const uint8_t mac[8] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0xEE, 0xEE};
    struct Case {
        size_t length;
        const wchar_t* text;
    } cases[] = {
        {6, L"00-1A-2B-3C-4D-5E"},
        {1, L"00"},
        {0, L""},
        {8, L"00-1A-2B-3C-4D-5E-EE-EE"},
        // A corrupt length must not read past the record's address array.
        {4000, L"00-1A-2B-3C-4D-5E-EE-EE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        EXPECT_EQ(FormatMacAddress(mac, c.length, sizeof mac), c.text);
    }
    EXPECT_EQ(FormatMacAddress(nullptr, 6, 8), L"");
}

TEST(AdapterType, NamesKnownTypesOnly) {
    EXPECT_EQ(AdapterTypeText(6), L"Ethernet");
    EXPECT_EQ(AdapterTypeText(71), L"IEEE 802.11");
    EXPECT_EQ(AdapterTypeText(24), L"Software Loopback");
    EXPECT_EQ(AdapterTypeText(0), L"");
    EXPECT_EQ(AdapterTypeText(131), L"");  // tunnel
}

TEST(FixedText, StopsAtTerminatorOrArrayEnd) {
    const char terminated[8] = {'e', 't', 'h', '0', 0, 'x', 'x', 'x'};
    EXPECT_EQ(FixedText(terminated, sizeof terminated), "eth0");
    const wchar_t full[4] = {L'a', L'b', L'c', L'd'};  // no terminator at all
    EXPECT_EQ(FixedText(full, 4), L"abcd");
    EXPECT_EQ(FixedText<char>(nullptr, 10), "");
}

struct Scan {
    std::vector<std::wstring> ssids, signals;
    std::vector<bool> connected, secured;
    WirelessNetworkList list{ssids, connected, signals, secured};

    bool Add(const std::string& ssid, unsigned quality, bool secure, uint32_t flags) {
        WirelessScanEntry e;
        e.Ssid = reinterpret_cast<const uint8_t*>(ssid.data());
        e.SsidLength = ssid.size();
        e.SignalQuality = quality;
        e.SecurityEnabled = secure;
        e.Flags = flags;
        return AddWirelessNetwork(e, list);
    }
};

TEST(WirelessNetworks, ListsEachSsidOnceWithItsFirstSighting) {
    Scan scan;
    // First interface: "Home" twice (two access points), a hidden network,
    // the connected "Office" and a name differing only in case.
    EXPECT_TRUE(scan.Add("Home", 73, true, 0));
    EXPECT_FALSE(scan.Add("Home", 99, false, 1));
    EXPECT_FALSE(scan.Add("", 80, true, 0));
    EXPECT_TRUE(scan.Add("Office", 40, false, 1 | 2));
    EXPECT_TRUE(scan.Add("home", 10, false, 0));
    // Second interface sees "Home" again.
    EXPECT_FALSE(scan.Add("Home", 55, false, 0));

    EXPECT_EQ(scan.ssids, (std::vector<std::wstring>{L"Home", L"Office", L"home"}));
    EXPECT_EQ(scan.signals, (std::vector<std::wstring>{L"73%", L"40%", L"10%"}));
    EXPECT_EQ(scan.secured, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(scan.connected, (std::vector<bool>{false, true, false}));
}

TEST(WirelessNetworks, SsidBytesBecomeCharacterCodesWithinTheSsidBuffer) {
    Scan scan;
    const std::string latin1 = "Caf\xE9";
    EXPECT_TRUE(scan.Add(latin1, 5, false, 0));
    EXPECT_EQ(scan.ssids.back(), std::wstring(L"Caf") + wchar_t(0xE9));

    // A length beyond the 32-byte SSID buffer is cut to the buffer.
    std::string longSsid(40, 'A');
    EXPECT_TRUE(scan.Add(longSsid, 5, false, 0));
    EXPECT_EQ(scan.ssids.back(), std::wstring(32, L'A'));
}

}  // namespace
