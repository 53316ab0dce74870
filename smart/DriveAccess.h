#pragma once
// The drive engine on this computer's own drives.
#include <string>
#include <vector>

#include "smart/core/DriveInfo.h"

std::vector<int> ListPhysicalDrives();
bool ReadDriveInfo(int driveNumber, DriveInfo& info);
std::wstring GetDriveLetters(int driveNumber);
