#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "collectors/core/StorageDriveLists.h"
#include "tests/common/FakeWmiRow.h"

namespace {

TEST(StorageDrives, OneEntryPerRowInEveryList) {
    StorageDriveLists drives;
    // A complete row as a real machine delivers it (the 64-bit integers
    // Size and TotalCylinders as decimal text)...
    drives.AppendDrive(FakeWmiRow({{L"BytesPerSector", WmiValue::UInt32(512)},
                                   {L"Caption", WmiValue::Text(L"Samsung SSD 860 EVO 500GB")},
                                   {L"Description", WmiValue::Text(L"Disk drive")},
                                   {L"DeviceID", WmiValue::Text(L"\\\\.\\PHYSICALDRIVE0")},
                                   {L"InterfaceType", WmiValue::Text(L"IDE")},
                                   {L"Manufacturer", WmiValue::Text(L"(Standard disk drives)")},
                                   {L"MediaType", WmiValue::Text(L"Fixed hard disk media")},
                                   {L"Model", WmiValue::Text(L"Samsung SSD 860 EVO 500GB")},
                                   {L"Name", WmiValue::Text(L"\\\\.\\PHYSICALDRIVE0")},
                                   {L"SectorsPerTrack", WmiValue::UInt32(63)},
                                   {L"Size", WmiValue::Text(L"500105249280")},
                                   {L"Status", WmiValue::Text(L"OK")},
                                   {L"TotalCylinders", WmiValue::Text(L"60801")},
                                   {L"TracksPerCylinder", WmiValue::UInt32(255)}}));
    // ...and a card reader without a medium, with missing and mistyped
    // properties: they convert to their defaults and the lists stay parallel.
    drives.AppendDrive(FakeWmiRow({{L"Caption", WmiValue::Text(L"Generic SD/MMC USB Device")},
                                   {L"DeviceID", WmiValue::Text(L"\\\\.\\PHYSICALDRIVE1")},
                                   {L"TotalCylinders", WmiValue::Text(L"n/a")},
                                   {L"TracksPerCylinder", WmiValue::UInt64(255)},
                                   {L"Status", WmiValue::Null()}}));

    EXPECT_EQ(drives.Captions, (std::vector<std::wstring>{L"Samsung SSD 860 EVO 500GB", L"Generic SD/MMC USB Device"}));
    EXPECT_EQ(drives.DeviceIds[1], L"\\\\.\\PHYSICALDRIVE1");
    EXPECT_EQ(drives.SizeTexts, (std::vector<std::wstring>{L"465.76 GB (500105249280 bytes)", L"0.00 GB (0 bytes)"}));
    EXPECT_EQ(drives.BytesPerSector, (std::vector<uint32_t>{512, 0}));
    EXPECT_EQ(drives.SectorsPerTrack, (std::vector<uint32_t>{63, 0}));
    EXPECT_EQ(drives.TotalCylinders, (std::vector<uint64_t>{60801, 0}));
    EXPECT_EQ(drives.TracksPerCylinder, (std::vector<uint32_t>{255, 0}));
    EXPECT_EQ(drives.Statuses, (std::vector<std::wstring>{L"OK", L""}));

    for (size_t n : {drives.Descriptions.size(), drives.InterfaceTypes.size(), drives.Manufacturers.size(),
                     drives.MediaTypes.size(), drives.Models.size(), drives.Names.size()})
        EXPECT_EQ(n, 2u);
}

TEST(StorageDrives, SizeDeliveredAsANumberIsNotText) {
    // The service hands this 64-bit quantity over as text; any other kind
    // is treated as unknown rather than guessed at.
    StorageDriveLists drives;
    drives.AppendDrive(FakeWmiRow({{L"Size", WmiValue::UInt64(1073741824)}}));
    EXPECT_EQ(drives.SizeTexts[0], L"0.00 GB (0 bytes)");
}

}  // namespace
