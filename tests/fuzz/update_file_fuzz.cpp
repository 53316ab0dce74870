// Feeds arbitrary bytes to the update file's reader, the version comparison
// and the check of its download address: what the product site answers is
// network data.
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
    // No version is newer than itself; any announced version but 0.0 is
    // newer than 0.0.
    if (IsNewerVersion(a.version, a.version) || IsNewerVersion(a.version, 0) != (a.version != 0)) __builtin_trap();
    const std::wstring text = DecodeUtf8(bytes);
    LeadingNumberLow16(text);
    UpdateCheckDue(&text, 1800000000);
    return 0;
}
