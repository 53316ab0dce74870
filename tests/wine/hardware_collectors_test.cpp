// The graphics, motherboard, storage, network and audio collectors against
// the real platform calls, in the situations a page can meet them in.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "collectors/CHardwareAudio.h"
#include "collectors/CHardwareGraphics.h"
#include "collectors/CHardwareMotherboard.h"
#include "collectors/CHardwareNetwork.h"
#include "collectors/CHardwareStorage.h"

namespace {

// Runs `body` on a thread of its own that has joined a single-threaded
// apartment first, as a window thread that uses OLE would have.
template <typename Body>
void OnSingleThreadedApartment(Body body) {
    std::thread worker([&] {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        body();
        CoUninitialize();
    });
    worker.join();
}

TEST(HardwareCollectors, WithoutWmiEveryFactIsEmptyAndNothingFails) {
    OnSingleThreadedApartment([] {
        CHardwareGraphics graphics;
        EXPECT_EQ(graphics.GetAdapterName(), L"");
        EXPECT_EQ(graphics.GetAdapterMemory(), L"");
        EXPECT_EQ(graphics.GetUsage(), 0);

        CHardwareMotherboard board;
        EXPECT_EQ(board.GetBoardManufacturer(), L"");
        EXPECT_EQ(board.GetBiosReleaseDate(), L"");

        CHardwareStorage storage;
        EXPECT_TRUE(storage.Captions.empty());
        EXPECT_TRUE(storage.SizeTexts.empty());
        EXPECT_TRUE(storage.TotalCylinders.empty());

        CHardwareAudio audio;
        EXPECT_TRUE(audio.Names.empty());
        EXPECT_TRUE(audio.OutputDevices.empty());
        EXPECT_EQ(audio.DefaultOutput, 0);
        EXPECT_EQ(audio.GetMasterVolume(), -1);
        EXPECT_EQ(audio.GetVolumeText(), L"");
        EXPECT_EQ(audio.GetPeakLevel(), -1);
    });
}

TEST(HardwareCollectors, WmiFactsOnTheUserInterfaceThread) {
    CHardwareMotherboard board;
    EXPECT_NE(board.GetBoardManufacturer(), L"");
    std::wstring date = board.GetBiosReleaseDate();
    ASSERT_GE(date.size(), 9u) << date;
    EXPECT_EQ(date[4], L'/');
    EXPECT_EQ(date[7], L'/');
    EXPECT_EQ(board.GetBiosReleaseDate(), date);  // queried afresh, same answer

    CHardwareStorage storage;
    ASSERT_FALSE(storage.DeviceIds.empty());
    EXPECT_EQ(storage.SizeTexts.size(), storage.DeviceIds.size());
    EXPECT_EQ(storage.TracksPerCylinder.size(), storage.DeviceIds.size());
    EXPECT_NE(storage.SizeTexts[0].find(L" GB ("), std::wstring::npos);
}

TEST(HardwareNetwork, WirelessScanOnlyAppends) {
    CHardwareNetwork network;
    std::vector<std::wstring> ssids{L"kept"}, signals{L"50%"};
    std::vector<bool> connected{true}, secured{false};
    // Twice: the first call opens the WLAN client, the second reuses it.
    for (int i = 0; i < 2; ++i) network.GetWirelessNetworks(ssids, connected, signals, secured);
    ASSERT_FALSE(ssids.empty());
    EXPECT_EQ(ssids[0], L"kept");
    EXPECT_EQ(connected.size(), ssids.size());
    EXPECT_EQ(signals.size(), ssids.size());
    EXPECT_EQ(secured.size(), ssids.size());
    for (size_t i = 1; i < ssids.size(); ++i) EXPECT_NE(ssids[i], L"kept");

    // Wine has no network-interface counters: the failure values.
    EXPECT_EQ(network.GetUsage(), 0);
    EXPECT_EQ(network.GetBandwidth(), -1);
}

}  // namespace
