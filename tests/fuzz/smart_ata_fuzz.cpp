// Drive answers on the ATA and bridge paths: IDENTIFY, the attribute and
// threshold tables, INQUIRY, LOG SENSE and sense data, then the rating and
// the window texts made from whatever came out.
#include "tests/fuzz/DriveDisplayFuzz.h"
#include "smart/core/AtaIdentify.h"
#include "smart/core/AtaSmartTable.h"
#include "smart/core/ScsiReply.h"
#include "tests/fuzz/SmartFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t flags = in.Byte();
    std::vector<uint8_t> identify = in.Piece(600);
    std::vector<uint8_t> table = in.Piece(600);
    std::vector<uint8_t> thresholds = in.Piece(600);
    std::vector<uint8_t> inquiry = in.Piece(160);
    std::vector<uint8_t> log = in.Piece(80);
    std::vector<uint8_t> sense = in.Piece(40);

    DriveInfo info;
    info.AccessKind = (flags & 1) ? kAccessBridge : kAccessAta;
    DecodeAtaIdentify(identify.data(), identify.size(), flags & 1, info);
    BuildAtaAttributes(table.data(), table.size(), (flags & 2) ? thresholds.data() : nullptr, thresholds.size(), info);
    if (flags & 4) DecodeInquiry(inquiry.data(), inquiry.size(), info);
    ReadLogSenseTemperature(log.data(), log.size(), info.Temperature);
    ScsiCommandSucceeded(flags >> 4, sense);

    ExerciseDriveDisplay(info);
    return 0;
}
