// The real drive door under Wine: PhysicalDrive0 opens and says it sits on
// a SCSI bus, but no S.M.A.R.T., pass-through or NVMe request gets a drive
// answer, so the engine must come back with "no readable drive", quickly
// and without error.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "smart/CWinDriveIo.h"
#include "smart/core/DriveReader.h"

namespace {

TEST(WinDriveIo, OpensTheSystemDiskAndReadsItsBus) {
    CWinDriveIo io;
    std::vector<int> drives = ListPhysicalDrives(io);
    ASSERT_FALSE(drives.empty());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));
    EXPECT_EQ(drives.front(), 0);

    std::unique_ptr<IDriveDevice> device = io.OpenDrive(0);
    ASSERT_NE(device, nullptr);
    std::vector<uint8_t> property;
    ASSERT_TRUE(device->QueryDeviceProperty(property));
    ASSERT_GT(property.size(), 28u);
    EXPECT_EQ(property[28], 1);  // SCSI
    EXPECT_FALSE(device->SmartGetVersion());

    EXPECT_EQ(io.OpenDrive(63), nullptr);
}

TEST(WinDriveIo, NoDriveQualifiesAndNothingHangs) {
    CWinDriveIo io;
    const DWORD start = GetTickCount();
    for (int n : ListPhysicalDrives(io)) {
        DriveInfo info;
        const bool read = ReadDriveInfo(io, n, info);
        EXPECT_EQ(info.DriveNumber, n);
        // Either the read failed, or only SCSI identification came back:
        // the window lists neither.
        EXPECT_TRUE(!read || info.Attributes.empty()) << n;
        EXPECT_NE(info.AccessKind, kAccessNvme);
    }
    DriveInfo missing;
    missing.Model = L"untouched";
    EXPECT_FALSE(ReadDriveInfo(io, 63, missing));
    EXPECT_EQ(missing.AccessKind, kAccessNone);
    EXPECT_EQ(missing.Model, L"untouched");
    EXPECT_LT(GetTickCount() - start, 20000u);

    // Wine names C: "\Device\HarddiskVolume1" and reports its volume on no
    // disk, so no root can be tied to a drive here.
    const std::vector<std::wstring> roots = io.ListDriveRoots();
    ASSERT_NE(std::find(roots.begin(), roots.end(), L"C:\\"), roots.end());
    EXPECT_EQ(io.QueryDevicePath(L"C:\\"), L"\\Device\\HarddiskVolume1");
    EXPECT_TRUE(io.QueryVolumeDisks(L"C:\\").empty());
    EXPECT_EQ(GetDriveLetters(io, 0), L"N/A");
    EXPECT_EQ(GetDriveLetters(io, 63), L"N/A");
}

}  // namespace
