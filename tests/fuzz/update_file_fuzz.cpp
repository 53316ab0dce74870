// Feeds arbitrary bytes to the update file's reader and the check of its
// download address: what the product site answers is network data.
#include <cstddef>
#include <cstdint>
#include <string>

#include "services/core/UpdateFile.h"
#include "services/core/UpdateSchedule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const UpdateAnnouncement a = ParseUpdateFile(bytes);
    if (a.downloadAddress.size() > kUpdateFileMaxBytes) __builtin_trap();
    IsSecureWebAddress(a.downloadAddress);
    const std::wstring text = DecodeUtf8(bytes);
    UpdateCheckDue(&text, 1800000000);
    return 0;
}
