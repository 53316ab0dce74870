// NVMe answers: Identify Controller and the SMART / Health log, then the
// rating and the window texts made from them.
#include "tests/fuzz/DriveDisplayFuzz.h"
#include "smart/core/NvmeData.h"
#include "tests/fuzz/SmartFuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    std::vector<uint8_t> identify = in.Piece(4096);
    std::vector<uint8_t> log = in.Piece(4096);

    DriveInfo info;
    info.AccessKind = kAccessNvme;
    uint64_t capacity = 0;
    DecodeNvmeIdentify(identify.data(), identify.size(), info, capacity);
    DecodeNvmeHealthLog(log.data(), log.size(), capacity, info);

    ExerciseDriveDisplay(info);
    return 0;
}
