// A drive behind a USB bridge whose answers are arbitrary: the status and
// sense data of every SCSI command, the INQUIRY and LOG SENSE data and, when
// the bridge claims to pass ATA commands through, the IDENTIFY and attribute
// blocks. The whole read runs as the program runs it, then the window texts.
#include "smart/core/DriveReader.h"
#include "tests/common/FakeDriveIo.h"
#include "tests/fuzz/DriveDisplayFuzz.h"
#include "tests/fuzz/SmartFuzzInput.h"

namespace {

ScsiReply Reply(FuzzInput& in, size_t maxData) {
    ScsiReply r;
    r.Status = in.Byte();
    r.Sense = in.Piece(32);
    r.Data = in.Piece(maxData);
    return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t flags = in.Byte();

    FakeDrive drive;
    drive.BusType = flags & 0x1F;
    drive.SmartVersion = false;
    drive.Scsi[FakeDrive::InquiryCdb()] = Reply(in, 160);
    drive.Scsi[FakeDrive::LogSenseCdb()] = Reply(in, 80);
    if (flags & 0x20) {
        const bool twelve = flags & 0x40;
        auto cdb = [twelve](uint8_t features, uint8_t command) {
            return twelve ? FakeDrive::Cdb12(features, command) : FakeDrive::Cdb16(features, command);
        };
        drive.Scsi[cdb(0, FakeDrive::kIdentify)] = Reply(in, 600);
        drive.Scsi[cdb(FakeDrive::kReadData, FakeDrive::kSmart)] = Reply(in, 600);
        drive.Scsi[cdb(FakeDrive::kReadThresholds, FakeDrive::kSmart)] = Reply(in, 600);
    }

    FakeDriveIo io;
    io.Drives[0] = std::move(drive);
    io.Roots.emplace_back(L"E:\\", L"\\Device\\Harddisk0\\Partition1", std::vector<int>{0});
    DriveInfo info;
    ReadDriveInfo(io, 0, info);
    if (io.Drives[0].OpenHandles != 0) __builtin_trap();

    ExerciseDriveDisplay(info);
    return 0;
}
