#include "smart/DriveAccess.h"

#include "smart/CWinDriveIo.h"
#include "smart/core/DriveReader.h"

std::vector<int> ListPhysicalDrives() {
    CWinDriveIo io;
    return ListPhysicalDrives(io);
}

bool ReadDriveInfo(int driveNumber, DriveInfo& info) {
    CWinDriveIo io;
    return ReadDriveInfo(io, driveNumber, info);
}

std::wstring GetDriveLetters(int driveNumber) {
    CWinDriveIo io;
    return GetDriveLetters(io, driveNumber);
}
