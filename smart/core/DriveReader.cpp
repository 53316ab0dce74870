#include "smart/core/DriveReader.h"

#include <algorithm>
#include <climits>

#include "common/Format.h"
#include "common/Text.h"
#include "smart/core/AtaIdentify.h"
#include "smart/core/AtaSmartTable.h"
#include "smart/core/NvmeData.h"
#include "smart/core/ScsiReply.h"

namespace {

// Storage bus types of the storage-device descriptor.
constexpr uint8_t kBusScsi = 1;
constexpr uint8_t kBusUsb = 7;
constexpr uint8_t kBusNvme = 17;
constexpr size_t kBusTypeOffset = 28;

constexpr uint8_t kAtaIdentify = 0xEC;
constexpr uint8_t kAtaSmart = 0xB0;
constexpr uint8_t kSmartReadData = 0xD0;
constexpr uint8_t kSmartReadThresholds = 0xD1;
constexpr uint8_t kSmartLbaMid = 0x4F;
constexpr uint8_t kSmartLbaHigh = 0xC2;
constexpr uint32_t kAtaBlock = 512;

struct AtaCommand {
    uint8_t Features;
    uint8_t LbaMid;
    uint8_t LbaHigh;
    uint8_t Command;
};

constexpr AtaCommand kIdentify = {0, 0, 0, kAtaIdentify};
constexpr AtaCommand kReadData = {kSmartReadData, kSmartLbaMid, kSmartLbaHigh, kAtaSmart};
constexpr AtaCommand kReadThresholds = {kSmartReadThresholds, kSmartLbaMid, kSmartLbaHigh, kAtaSmart};

AtaRegisters SmartRegisters(const AtaCommand& c) {
    AtaRegisters r;
    r.Features = c.Features;
    r.CylinderLow = c.LbaMid;
    r.CylinderHigh = c.LbaHigh;
    r.Command = c.Command;
    return r;
}

// SAT ATA PASS-THROUGH: PIO data-in (protocol 4), check condition, one
// 512-byte block from the device, its length in the sector count field.
constexpr uint8_t kPassThroughProtocol = 0x08;
constexpr uint8_t kPassThroughFlags = 0x2E;

std::vector<uint8_t> PassThroughCdb(int variant, const AtaCommand& c) {
    std::vector<uint8_t> cdb;
    if (variant == 12) {
        cdb.assign(12, 0);
        cdb[0] = 0xA1;
        cdb[1] = kPassThroughProtocol;
        cdb[2] = kPassThroughFlags;
        cdb[3] = c.Features;
        cdb[4] = 1;
        cdb[6] = c.LbaMid;
        cdb[7] = c.LbaHigh;
        cdb[9] = c.Command;
    } else {
        cdb.assign(16, 0);
        cdb[0] = 0x85;
        cdb[1] = kPassThroughProtocol;
        cdb[2] = kPassThroughFlags;
        cdb[4] = c.Features;
        cdb[6] = 1;
        cdb[10] = c.LbaMid;
        cdb[12] = c.LbaHigh;
        cdb[14] = c.Command;
    }
    return cdb;
}

// Sends a SCSI command; true only when the target says the command worked.
bool SendScsi(IDriveDevice& device, std::vector<uint8_t> cdb, uint32_t dataIn, std::vector<uint8_t>& data) {
    ScsiRequest request;
    request.Cdb = std::move(cdb);
    request.DataInLength = dataIn;
    ScsiReply reply;
    if (!device.ScsiPassThrough(request, reply) || !ScsiCommandSucceeded(reply.Status, reply.Sense)) return false;
    if (reply.Data.size() > dataIn) reply.Data.resize(dataIn);
    data = std::move(reply.Data);
    return true;
}

bool PassThrough(IDriveDevice& device, int variant, const AtaCommand& c, std::vector<uint8_t>& data) {
    return SendScsi(device, PassThroughCdb(variant, c), kAtaBlock, data);
}

void FinishAtaIdentity(IDriveIo& io, const std::vector<uint8_t>& identify, bool viaBridge, DriveInfo& info) {
    DecodeAtaIdentify(identify.data(), identify.size(), viaBridge, info);
    info.DriveLetters = GetDriveLetters(io, info.DriveNumber);
}

bool ReadAta(IDriveIo& io, IDriveDevice& device, DriveInfo& info) {
    if (!device.SmartGetVersion()) return false;
    const uint8_t driveByte = static_cast<uint8_t>(info.DriveNumber & 0xFF);
    std::vector<uint8_t> identify;
    if (!device.SmartReceive(SmartRegisters(kIdentify), driveByte, identify)) return false;
    FinishAtaIdentity(io, identify, false, info);

    std::vector<uint8_t> data;
    if (!device.SmartReceive(SmartRegisters(kReadData), driveByte, data)) return false;
    std::vector<uint8_t> thresholds;
    const bool haveThresholds = device.SmartReceive(SmartRegisters(kReadThresholds), driveByte, thresholds);
    BuildAtaAttributes(data.data(), data.size(), haveThresholds ? thresholds.data() : nullptr,
                       haveThresholds ? thresholds.size() : 0, info);
    return true;
}

bool ReadScsiOnly(IDriveIo& io, IDriveDevice& device, DriveInfo& info) {
    std::vector<uint8_t> inquiry;
    if (!SendScsi(device, {0x12, 0, 0, 0, 128, 0}, 128, inquiry)) return false;
    DecodeInquiry(inquiry.data(), inquiry.size(), info);

    // Informational exceptions page (0x2F), cumulative values.
    std::vector<uint8_t> log;
    if (SendScsi(device, {0x4D, 0, 0x6F, 0, 0, 0, 0, 0, 64, 0}, 64, log)) {
        ReadLogSenseTemperature(log.data(), log.size(), info.Temperature);
    }
    info.DriveLetters = GetDriveLetters(io, info.DriveNumber);
    return true;
}

bool ReadBridge(IDriveIo& io, IDriveDevice& device, DriveInfo& info) {
    std::vector<uint8_t> identify, data;
    int variant = 0;
    for (int v : {12, 16}) {
        if (PassThrough(device, v, kIdentify, identify) && PassThrough(device, v, kReadData, data)) {
            variant = v;
            break;
        }
    }
    if (variant == 0) return ReadScsiOnly(io, device, info);

    std::vector<uint8_t> thresholds;
    const bool haveThresholds = PassThrough(device, variant, kReadThresholds, thresholds);
    FinishAtaIdentity(io, identify, true, info);
    BuildAtaAttributes(data.data(), data.size(), haveThresholds ? thresholds.data() : nullptr,
                       haveThresholds ? thresholds.size() : 0, info);
    return true;
}

constexpr uint32_t kNvmeBlock = 4096;

bool ReadNvme(IDriveIo& io, IDriveDevice& device, DriveInfo& info) {
    NvmeAdminCommand identify;
    identify.Opcode = 0x06;
    identify.Cdw10 = 1;  // CNS 1: the controller data structure
    identify.DataLength = kNvmeBlock;
    std::vector<uint8_t> data;
    uint64_t capacity = 0;
    if (device.NvmeAdmin(identify, data)) {
        DecodeNvmeIdentify(data.data(), data.size(), info, capacity);
    } else {
        SetGenericNvmeIdentity(info);
    }

    NvmeAdminCommand log;
    log.Opcode = 0x02;
    log.NamespaceId = 0xFFFFFFFF;  // the controller as a whole
    log.Cdw10 = 0x02 | ((kNvmeBlock / 4 - 1) << 16);  // SMART / Health log, length in dwords - 1
    log.DataLength = kNvmeBlock;
    if (!device.NvmeAdmin(log, data)) return false;
    DecodeNvmeHealthLog(data.data(), data.size(), capacity, info);
    info.DriveLetters = GetDriveLetters(io, info.DriveNumber);
    return true;
}

}  // namespace

std::vector<int> ParsePhysicalDriveNumbers(const std::vector<std::wstring>& dosNames) {
    static const std::wstring kPrefix = L"PhysicalDrive";
    std::vector<int> drives;
    for (const std::wstring& name : dosNames) {
        if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0) continue;
        uint64_t value = 0;
        if (ParseDecimal64(name.substr(kPrefix.size()), &value) && value <= INT_MAX)
            drives.push_back(static_cast<int>(value));
    }
    std::sort(drives.begin(), drives.end());
    return drives;
}

std::vector<int> ListPhysicalDrives(IDriveIo& io) { return ParsePhysicalDriveNumbers(io.ListDosDeviceNames()); }

bool DriveRootBelongsTo(const std::wstring& devicePath, const std::vector<int>& volumeDisks, int driveNumber) {
    if (devicePath.find(Format(L"\\Device\\Harddisk%d\\Partition", driveNumber)) != std::wstring::npos) return true;
    if (driveNumber == 0 && devicePath.find(L"\\Device\\Harddisk0\\") != std::wstring::npos) return true;
    return std::find(volumeDisks.begin(), volumeDisks.end(), driveNumber) != volumeDisks.end();
}

std::wstring GetDriveLetters(IDriveIo& io, int driveNumber) {
    std::wstring letters;
    for (const std::wstring& root : io.ListDriveRoots()) {
        if (!DriveRootBelongsTo(io.QueryDevicePath(root), io.QueryVolumeDisks(root), driveNumber)) continue;
        if (!letters.empty()) letters += L", ";
        letters += root;
    }
    return letters.empty() ? L"N/A" : letters;
}

bool ReadDriveInfo(IDriveIo& io, int driveNumber, DriveInfo& info) {
    info.DriveNumber = driveNumber;
    info.Attributes.clear();
    info.AccessKind = kAccessNone;

    std::unique_ptr<IDriveDevice> device = io.OpenDrive(driveNumber);
    if (!device) return false;
    std::vector<uint8_t> property;
    if (!device->QueryDeviceProperty(property)) return false;
    const uint8_t bus = property.size() > kBusTypeOffset ? property[kBusTypeOffset] : 0;

    if (bus == kBusScsi || bus == kBusUsb) {
        info.AccessKind = kAccessBridge;
        if (ReadBridge(io, *device, info)) return true;
        info.AccessKind = kAccessAta;
        return ReadAta(io, *device, info);
    }
    if (bus == kBusNvme) {
        info.AccessKind = kAccessNvme;
        return ReadNvme(io, *device, info);
    }
    info.AccessKind = kAccessAta;
    return ReadAta(io, *device, info);
}
