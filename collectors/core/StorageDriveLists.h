#pragma once
// The physical drives as WMI lists them: parallel lists, entry i of each
// describing the i-th row of "SELECT * FROM Win32_DiskDrive".
#include <cstdint>
#include <string>
#include <vector>

class WmiRow;

struct StorageDriveLists {
    std::vector<uint32_t> BytesPerSector;
    std::vector<std::wstring> Captions;
    std::vector<std::wstring> Descriptions;
    std::vector<std::wstring> DeviceIds;
    std::vector<std::wstring> InterfaceTypes;
    std::vector<std::wstring> Manufacturers;
    std::vector<std::wstring> MediaTypes;
    std::vector<std::wstring> Models;
    std::vector<std::wstring> Names;
    std::vector<uint32_t> SectorsPerTrack;
    std::vector<std::wstring> SizeTexts;
    std::vector<std::wstring> Statuses;
    std::vector<uint64_t> TotalCylinders;
    std::vector<uint32_t> TracksPerCylinder;

    // Appends one entry to every list, so the lists always stay parallel.
    void AppendDrive(const WmiRow& row);
};
