#include "smart/CWinDriveIo.h"

#include <windows.h>
#include <winioctl.h>
#include <ntddscsi.h>

#include <cstddef>
#include <cstring>

#include "common/Format.h"
#include "framework/Handles.h"

// The request layouts below travel to the storage drivers as they are; a
// wrong size or offset makes the driver reject or misread them. Most are the
// same for 32-bit and 64-bit programs; the direct SCSI request carries a
// pointer, so its layout follows the program's pointer size.
constexpr bool kPointer64 = sizeof(void*) == 8;
static_assert(sizeof(GETVERSIONINPARAMS) == 24, "GETVERSIONINPARAMS");
static_assert(sizeof(IDEREGS) == 8, "IDEREGS");
static_assert(sizeof(SENDCMDINPARAMS) == 33, "SENDCMDINPARAMS");
static_assert(offsetof(SENDCMDINPARAMS, irDriveRegs) == 4 && offsetof(SENDCMDINPARAMS, bDriveNumber) == 12,
              "SENDCMDINPARAMS");
static_assert(sizeof(SENDCMDOUTPARAMS) == 17 && offsetof(SENDCMDOUTPARAMS, bBuffer) == 16, "SENDCMDOUTPARAMS");
static_assert(sizeof(STORAGE_PROPERTY_QUERY) == 12 && offsetof(STORAGE_PROPERTY_QUERY, AdditionalParameters) == 8,
              "STORAGE_PROPERTY_QUERY");
static_assert(sizeof(STORAGE_PROTOCOL_SPECIFIC_DATA) == 40 &&
                  offsetof(STORAGE_PROTOCOL_SPECIFIC_DATA, ProtocolDataOffset) == 16 &&
                  offsetof(STORAGE_PROTOCOL_SPECIFIC_DATA, ProtocolDataLength) == 20,
              "STORAGE_PROTOCOL_SPECIFIC_DATA");
static_assert(sizeof(STORAGE_PROTOCOL_DATA_DESCRIPTOR) == 48 &&
                  offsetof(STORAGE_PROTOCOL_DATA_DESCRIPTOR, ProtocolSpecificData) == 8,
              "STORAGE_PROTOCOL_DATA_DESCRIPTOR");
static_assert(sizeof(SCSI_PASS_THROUGH_DIRECT) == (kPointer64 ? 56 : 44), "SCSI_PASS_THROUGH_DIRECT");
static_assert(offsetof(SCSI_PASS_THROUGH_DIRECT, DataTransferLength) == 12 &&
                  offsetof(SCSI_PASS_THROUGH_DIRECT, TimeOutValue) == 16 &&
                  offsetof(SCSI_PASS_THROUGH_DIRECT, DataBuffer) == (kPointer64 ? 24 : 20) &&
                  offsetof(SCSI_PASS_THROUGH_DIRECT, SenseInfoOffset) == (kPointer64 ? 32 : 24) &&
                  offsetof(SCSI_PASS_THROUGH_DIRECT, Cdb) == (kPointer64 ? 36 : 28),
              "SCSI_PASS_THROUGH_DIRECT");
static_assert(sizeof(DISK_EXTENT) == 24 && offsetof(VOLUME_DISK_EXTENTS, Extents) == 8, "VOLUME_DISK_EXTENTS");

namespace {

// mingw-w64's winioctl.h has the request code but not the structure of
// the storage protocol-command request.
struct StorageProtocolCommand {
    DWORD Version;
    DWORD Length;
    DWORD ProtocolType;
    DWORD Flags;
    DWORD ReturnStatus;
    DWORD ErrorCode;
    DWORD CommandLength;
    DWORD ErrorInfoLength;
    DWORD DataToDeviceTransferLength;
    DWORD DataFromDeviceTransferLength;
    DWORD TimeOutValue;
    DWORD ErrorInfoOffset;
    DWORD DataToDeviceBufferOffset;
    DWORD DataFromDeviceBufferOffset;
    DWORD CommandSpecific;
    DWORD Reserved0;
    DWORD FixedProtocolReturnData;
    DWORD Reserved1[3];
    BYTE Command[1];
};
static_assert(offsetof(StorageProtocolCommand, Command) == 80, "StorageProtocolCommand");
static_assert(sizeof(StorageProtocolCommand) == 84, "StorageProtocolCommand");

constexpr DWORD kProtocolStructureVersion = 1;
constexpr DWORD kProtocolCommandAdapterRequest = 0x80000000;
constexpr DWORD kProtocolSpecificNvmeAdminCommand = 0x01;
constexpr DWORD kProtocolStatusSuccess = 0x1;
constexpr DWORD kNvmeCommandLength = 64;

constexpr DWORD kPropertyBufferSize = 1024;
constexpr DWORD kSmartDataSize = 512;
constexpr UCHAR kSenseSize = 32;

// The drive's buffer with room for the largest answer; the data area of a
// direct SCSI transfer must meet the adapter's alignment, which no adapter
// sets coarser than a page.
class AlignedBuffer {
public:
    explicit AlignedBuffer(size_t size) : storage_(size + 4096, 0) {
        const uintptr_t p = reinterpret_cast<uintptr_t>(storage_.data());
        data_ = storage_.data() + ((4096 - (p & 4095)) & 4095);
    }
    uint8_t* Data() { return data_; }

private:
    std::vector<uint8_t> storage_;
    uint8_t* data_;
};

class CWinDriveDevice : public IDriveDevice {
public:
    explicit CWinDriveDevice(CHandle device) : device_(std::move(device)) {}

    bool QueryDeviceProperty(std::vector<uint8_t>& answer) override {
        STORAGE_PROPERTY_QUERY query = {};
        query.PropertyId = StorageDeviceProperty;
        query.QueryType = PropertyStandardQuery;
        std::vector<uint8_t> buffer(kPropertyBufferSize, 0);
        DWORD returned = 0;
        if (!Control(IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), buffer.data(), kPropertyBufferSize,
                     &returned)) {
            return false;
        }
        answer.assign(buffer.begin(), buffer.begin() + (returned < kPropertyBufferSize ? returned : kPropertyBufferSize));
        return true;
    }

    bool SmartGetVersion() override {
        GETVERSIONINPARAMS version = {};
        DWORD returned = 0;
        return Control(SMART_GET_VERSION, nullptr, 0, &version, sizeof(version), &returned);
    }

    bool SmartReceive(const AtaRegisters& r, uint8_t driveNumber, std::vector<uint8_t>& data) override {
        SENDCMDINPARAMS in = {};
        in.cBufferSize = kSmartDataSize;
        in.irDriveRegs.bFeaturesReg = r.Features;
        in.irDriveRegs.bSectorCountReg = r.SectorCount;
        in.irDriveRegs.bSectorNumberReg = r.SectorNumber;
        in.irDriveRegs.bCylLowReg = r.CylinderLow;
        in.irDriveRegs.bCylHighReg = r.CylinderHigh;
        in.irDriveRegs.bDriveHeadReg = r.DriveHead;
        in.irDriveRegs.bCommandReg = r.Command;
        in.bDriveNumber = driveNumber;

        // Status header (16 bytes) followed by the data block.
        constexpr DWORD kHeader = sizeof(SENDCMDOUTPARAMS) - 1;
        std::vector<uint8_t> out(kHeader + kSmartDataSize, 0);
        DWORD returned = 0;
        if (!Control(SMART_RCV_DRIVE_DATA, &in, sizeof(in) - 1, out.data(), static_cast<DWORD>(out.size()),
                     &returned)) {
            return false;
        }
        const auto* status = reinterpret_cast<const SENDCMDOUTPARAMS*>(out.data());
        if (status->DriverStatus.bDriverError != SMART_NO_ERROR) return false;
        data.assign(out.begin() + kHeader, out.end());
        return true;
    }

    bool ScsiPassThrough(const ScsiRequest& request, ScsiReply& reply) override {
        if (request.Cdb.empty() || request.Cdb.size() > 16) return false;
        struct WithSense {
            SCSI_PASS_THROUGH_DIRECT Sptd;
            ULONG Filler;
            UCHAR Sense[kSenseSize];
        } s = {};
        AlignedBuffer buffer(request.DataInLength);
        s.Sptd.Length = sizeof(SCSI_PASS_THROUGH_DIRECT);
        s.Sptd.CdbLength = static_cast<UCHAR>(request.Cdb.size());
        s.Sptd.SenseInfoLength = kSenseSize;
        s.Sptd.SenseInfoOffset = offsetof(WithSense, Sense);
        s.Sptd.DataIn = SCSI_IOCTL_DATA_IN;
        s.Sptd.DataTransferLength = request.DataInLength;
        s.Sptd.TimeOutValue = request.TimeoutSeconds;
        s.Sptd.DataBuffer = buffer.Data();
        std::memcpy(s.Sptd.Cdb, request.Cdb.data(), request.Cdb.size());

        DWORD returned = 0;
        if (!Control(IOCTL_SCSI_PASS_THROUGH_DIRECT, &s, sizeof(s), &s, sizeof(s), &returned)) return false;
        reply.Status = s.Sptd.ScsiStatus;
        const UCHAR senseLength = s.Sptd.SenseInfoLength < kSenseSize ? s.Sptd.SenseInfoLength : kSenseSize;
        reply.Sense.assign(s.Sense, s.Sense + senseLength);
        const ULONG transferred =
            s.Sptd.DataTransferLength < request.DataInLength ? s.Sptd.DataTransferLength : request.DataInLength;
        reply.Data.assign(buffer.Data(), buffer.Data() + transferred);
        return true;
    }

    bool NvmeAdmin(const NvmeAdminCommand& command, std::vector<uint8_t>& data) override {
        return NvmeProtocolCommand(command, data) || NvmeProtocolQuery(command, data);
    }

private:
    bool Control(DWORD code, void* in, DWORD inSize, void* out, DWORD outSize, DWORD* returned) {
        return DeviceIoControl(device_.Get(), code, in, inSize, out, outSize, returned, nullptr) != FALSE;
    }

    // The admin command itself, as a 64-byte submission queue entry, with
    // the answer placed right after it.
    bool NvmeProtocolCommand(const NvmeAdminCommand& command, std::vector<uint8_t>& data) {
        constexpr DWORD kCommandOffset = offsetof(StorageProtocolCommand, Command);
        constexpr DWORD kDataOffset = kCommandOffset + kNvmeCommandLength;
        std::vector<uint8_t> buffer(kDataOffset + command.DataLength, 0);
        auto* header = reinterpret_cast<StorageProtocolCommand*>(buffer.data());
        header->Version = kProtocolStructureVersion;
        header->Length = sizeof(StorageProtocolCommand);
        header->ProtocolType = ProtocolTypeNvme;
        header->Flags = kProtocolCommandAdapterRequest;
        header->CommandLength = kNvmeCommandLength;
        header->DataFromDeviceTransferLength = command.DataLength;
        header->TimeOutValue = command.TimeoutSeconds;
        header->DataFromDeviceBufferOffset = kDataOffset;
        header->CommandSpecific = kProtocolSpecificNvmeAdminCommand;

        uint8_t* sqe = buffer.data() + kCommandOffset;
        sqe[0] = command.Opcode;
        auto putDword = [sqe](size_t dword, uint32_t value) { std::memcpy(sqe + 4 * dword, &value, 4); };
        putDword(1, command.NamespaceId);
        putDword(10, command.Cdw10);
        putDword(11, command.Cdw11);

        DWORD returned = 0;
        if (!Control(IOCTL_STORAGE_PROTOCOL_COMMAND, buffer.data(), static_cast<DWORD>(buffer.size()), buffer.data(),
                     static_cast<DWORD>(buffer.size()), &returned)) {
            return false;
        }
        if (header->ReturnStatus != kProtocolStatusSuccess) return false;
        return CopyOut(buffer, returned, header->DataFromDeviceBufferOffset, header->DataFromDeviceTransferLength,
                       command.DataLength, data);
    }

    // Systems whose driver passes through only vendor commands answer
    // Identify and Get Log Page through the protocol-specific property query.
    bool NvmeProtocolQuery(const NvmeAdminCommand& command, std::vector<uint8_t>& data) {
        const bool identifyController = command.Opcode == 0x06 && (command.Cdw10 & 0xFF) == 1;
        const bool logPage = command.Opcode == 0x02;
        if (!identifyController && !logPage) return false;

        constexpr DWORD kSpecificOffset = offsetof(STORAGE_PROPERTY_QUERY, AdditionalParameters);
        constexpr DWORD kHeader = kSpecificOffset + sizeof(STORAGE_PROTOCOL_SPECIFIC_DATA);
        std::vector<uint8_t> buffer(kHeader + command.DataLength, 0);
        auto* query = reinterpret_cast<STORAGE_PROPERTY_QUERY*>(buffer.data());
        query->PropertyId = identifyController ? StorageAdapterProtocolSpecificProperty
                                               : StorageDeviceProtocolSpecificProperty;
        query->QueryType = PropertyStandardQuery;
        auto* specific = reinterpret_cast<STORAGE_PROTOCOL_SPECIFIC_DATA*>(buffer.data() + kSpecificOffset);
        specific->ProtocolType = ProtocolTypeNvme;
        specific->DataType = identifyController ? NVMeDataTypeIdentify : NVMeDataTypeLogPage;
        specific->ProtocolDataRequestValue = identifyController ? 1 : (command.Cdw10 & 0xFF);
        specific->ProtocolDataRequestSubValue = 0;
        specific->ProtocolDataOffset = sizeof(STORAGE_PROTOCOL_SPECIFIC_DATA);
        // The SMART / Health log is 512 bytes; asking this path for more
        // than a log holds is refused by some drivers.
        constexpr uint32_t kHealthLogSize = 512;
        const bool healthLog = logPage && (command.Cdw10 & 0xFF) == 0x02;
        specific->ProtocolDataLength =
            healthLog && command.DataLength > kHealthLogSize ? kHealthLogSize : command.DataLength;

        DWORD returned = 0;
        if (!Control(IOCTL_STORAGE_QUERY_PROPERTY, buffer.data(), static_cast<DWORD>(buffer.size()), buffer.data(),
                     static_cast<DWORD>(buffer.size()), &returned)) {
            return false;
        }
        // The answer is a protocol data descriptor: version, size, then the
        // protocol-specific block whose offset counts from its own start.
        constexpr DWORD kDescriptorSpecific = offsetof(STORAGE_PROTOCOL_DATA_DESCRIPTOR, ProtocolSpecificData);
        const auto* answer = reinterpret_cast<const STORAGE_PROTOCOL_DATA_DESCRIPTOR*>(buffer.data());
        const STORAGE_PROTOCOL_SPECIFIC_DATA& returnedData = answer->ProtocolSpecificData;
        const uint64_t offset = uint64_t{kDescriptorSpecific} + returnedData.ProtocolDataOffset;
        return CopyOut(buffer, returned, offset, returnedData.ProtocolDataLength, command.DataLength, data);
    }

    // Copies the answer found at `offset` if the driver's figures stay inside
    // what it returned.
    static bool CopyOut(const std::vector<uint8_t>& buffer, DWORD returned, uint64_t offset, uint64_t length,
                        uint32_t wanted, std::vector<uint8_t>& data) {
        const uint64_t end = returned < buffer.size() ? returned : buffer.size();
        if (length > wanted) length = wanted;
        if (offset > end) return false;
        if (length > end - offset) length = end - offset;
        if (length == 0) return false;
        data.assign(buffer.begin() + static_cast<size_t>(offset), buffer.begin() + static_cast<size_t>(offset + length));
        return true;
    }

    CHandle device_;
};

}  // namespace

std::unique_ptr<IDriveDevice> CWinDriveIo::OpenDrive(int driveNumber) {
    const std::wstring path = Format(L"\\\\.\\PhysicalDrive%d", driveNumber);
    CHandle device(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
    if (!device.Valid()) return nullptr;
    return std::make_unique<CWinDriveDevice>(std::move(device));
}

std::vector<std::wstring> CWinDriveIo::ListDosDeviceNames() {
    // A machine with many devices has more names than the usual 16384
    // characters hold; grow rather than report no drives at all.
    std::vector<std::wstring> names;
    std::vector<wchar_t> buffer;
    DWORD length = 0;
    for (size_t size = 16384; size <= (size_t{1} << 22) && length == 0; size *= 4) {
        buffer.assign(size, L'\0');
        length = QueryDosDeviceW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0 && GetLastError() != ERROR_INSUFFICIENT_BUFFER) return names;
    }
    if (length == 0) return names;
    for (const wchar_t* p = buffer.data(); p < buffer.data() + length && *p != L'\0'; p += wcslen(p) + 1) {
        names.emplace_back(p);
    }
    return names;
}

std::vector<std::wstring> CWinDriveIo::ListDriveRoots() {
    wchar_t buffer[261] = {};
    const DWORD length = GetLogicalDriveStringsW(260, buffer);
    std::vector<std::wstring> roots;
    if (length == 0 || length > 260) return roots;
    for (const wchar_t* p = buffer; p < buffer + length && *p != L'\0'; p += wcslen(p) + 1) roots.emplace_back(p);
    return roots;
}

std::wstring CWinDriveIo::QueryDevicePath(const std::wstring& root) {
    if (root.size() < 2) return std::wstring();
    const std::wstring device = root.substr(0, 2);  // "C:"
    wchar_t path[MAX_PATH] = {};
    if (QueryDosDeviceW(device.c_str(), path, MAX_PATH) == 0) return std::wstring();
    return path;
}

std::vector<int> CWinDriveIo::QueryVolumeDisks(const std::wstring& root) {
    std::vector<int> disks;
    if (root.size() < 2) return disks;
    // Opening a volume with no access rights is enough for its layout.
    const std::wstring volume = L"\\\\.\\" + root.substr(0, 2);
    CHandle handle(
        CreateFileW(volume.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.Valid()) return disks;
    // Room for a volume spread over many disks.
    std::vector<uint8_t> buffer(sizeof(VOLUME_DISK_EXTENTS) + 31 * sizeof(DISK_EXTENT), 0);
    DWORD returned = 0;
    if (DeviceIoControl(handle.Get(), IOCTL_VOLUME_GET_VOLUME_DISK_EXTENTS, nullptr, 0, buffer.data(),
                        static_cast<DWORD>(buffer.size()), &returned, nullptr) &&
        returned >= offsetof(VOLUME_DISK_EXTENTS, Extents) && returned <= buffer.size()) {
        const auto* extents = reinterpret_cast<const VOLUME_DISK_EXTENTS*>(buffer.data());
        const size_t fit = (returned - offsetof(VOLUME_DISK_EXTENTS, Extents)) / sizeof(DISK_EXTENT);
        const size_t count = extents->NumberOfDiskExtents < fit ? extents->NumberOfDiskExtents : fit;
        for (size_t i = 0; i < count; ++i) disks.push_back(static_cast<int>(extents->Extents[i].DiskNumber));
    }
    return disks;
}
