#pragma once
// The one door between the drive engine and the operating system. Every
// device-control request to a drive goes through these few calls; the
// engine builds the commands and decodes the answers, so it runs the same
// against the real system and against recorded answers.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/CObject.h"

// The register block of an ATA command as the platform's S.M.A.R.T.
// requests carry it.
struct AtaRegisters {
    uint8_t Features = 0;
    uint8_t SectorCount = 0;
    uint8_t SectorNumber = 0;
    uint8_t CylinderLow = 0;
    uint8_t CylinderHigh = 0;
    uint8_t DriveHead = 0;
    uint8_t Command = 0;
};

struct ScsiRequest {
    std::vector<uint8_t> Cdb;      // 6 to 16 bytes
    uint32_t DataInLength = 0;     // bytes expected from the device
    uint32_t TimeoutSeconds = 2;
};

struct ScsiReply {
    uint8_t Status = 0;            // SCSI status byte
    std::vector<uint8_t> Sense;    // sense data as returned
    std::vector<uint8_t> Data;     // the data-in bytes the platform reports transferred
};

// One NVMe admin command that reads data from the controller.
struct NvmeAdminCommand {
    uint8_t Opcode = 0;
    uint32_t NamespaceId = 0;
    uint32_t Cdw10 = 0;
    uint32_t Cdw11 = 0;
    uint32_t DataLength = 4096;
    uint32_t TimeoutSeconds = 10;
};

// An opened physical drive; closed when the object goes away. Each call
// returns false when the request failed; output vectors then hold nothing
// useful.
class IDriveDevice : public CObject {
public:
    // The standard storage-device property (the descriptor's bytes, at most 1024).
    virtual bool QueryDeviceProperty(std::vector<uint8_t>& answer) = 0;
    // The S.M.A.R.T. version information; only success matters.
    virtual bool SmartGetVersion() = 0;
    // A S.M.A.R.T. receive request; `data` gets the 512 bytes after the status header.
    virtual bool SmartReceive(const AtaRegisters& registers, uint8_t driveNumber, std::vector<uint8_t>& data) = 0;
    // A SCSI command with a data-in transfer. True means the request reached
    // the target; whether the command worked is in `reply` (ScsiCommandSucceeded).
    virtual bool ScsiPassThrough(const ScsiRequest& request, ScsiReply& reply) = 0;
    // An NVMe admin command; `data` gets the bytes read from the controller.
    virtual bool NvmeAdmin(const NvmeAdminCommand& command, std::vector<uint8_t>& data) = 0;
};

class IDriveIo : public CObject {
public:
    // nullptr when the drive cannot be opened for reading and writing.
    virtual std::unique_ptr<IDriveDevice> OpenDrive(int driveNumber) = 0;
    // All MS-DOS device names of the system; empty when they cannot be read.
    virtual std::vector<std::wstring> ListDosDeviceNames() = 0;
    // Logical drive roots ("C:\") in the system's order.
    virtual std::vector<std::wstring> ListDriveRoots() = 0;
    // The device path behind a root ("\Device\Harddisk0\Partition1"), or empty.
    virtual std::wstring QueryDevicePath(const std::wstring& root) = 0;
    // The physical drive numbers a root's volume lies on, or empty.
    virtual std::vector<int> QueryVolumeDisks(const std::wstring& root) = 0;
};
