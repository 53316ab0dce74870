#pragma once
// The drive-I/O door onto the real system: physical drives opened with
// CreateFile and spoken to with DeviceIoControl.
#include "smart/core/IDriveIo.h"

class CWinDriveIo : public IDriveIo {
public:
    std::unique_ptr<IDriveDevice> OpenDrive(int driveNumber) override;
    std::vector<std::wstring> ListDosDeviceNames() override;
    std::vector<std::wstring> ListDriveRoots() override;
    std::wstring QueryDevicePath(const std::wstring& root) override;
    std::vector<int> QueryVolumeDisks(const std::wstring& root) override;
};
