#pragma once
// The drive engine: which drives exist, how each one is reached and what it
// reports. Every request goes through an IDriveIo.
#include <string>
#include <vector>

#include "smart/core/DriveInfo.h"
#include "smart/core/IDriveIo.h"

// Physical drive numbers, ascending, from the system's "PhysicalDriveN" names.
std::vector<int> ListPhysicalDrives(IDriveIo& io);
std::vector<int> ParsePhysicalDriveNumbers(const std::vector<std::wstring>& dosNames);

// Reads drive `driveNumber` into `info`: DriveNumber is set, Attributes
// emptied and AccessKind reset first; the rest is filled by whichever path
// the drive's bus calls for. True when the S.M.A.R.T. data was read (or, for
// a bridge that only answers SCSI commands, its SCSI identification); false
// leaves whatever identification was read so far.
bool ReadDriveInfo(IDriveIo& io, int driveNumber, DriveInfo& info);

// The logical drive roots on drive `driveNumber` joined by ", ", or "N/A".
std::wstring GetDriveLetters(IDriveIo& io, int driveNumber);

// Whether a root belongs to drive n: by its device path in the older
// "\Device\HarddiskN\PartitionM" form, or by the disks its volume lies on
// (current systems name volumes "\Device\HarddiskVolumeK", which say nothing
// about the disk).
bool DriveRootBelongsTo(const std::wstring& devicePath, const std::vector<int>& volumeDisks, int driveNumber);
