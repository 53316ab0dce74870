// Feeds arbitrary bytes to the SMBIOS walk as the firmware-table call would
// hand them over, with every record handler behind it, then reads the facts
// the program shows from the holder.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "collectors/core/CDumpSMBIOS.h"
#include "collectors/core/MemoryRules.h"
#include "collectors/core/SmbiosWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exactly-sized copy, so a read one byte past the table is caught.
    const std::vector<uint8_t> table(data, data + size);
    CDumpSMBIOS dump;
    const size_t visited = WalkSmbiosTable(table.data(), table.size(), dump);
    // Every structure takes at least its 4-byte header and a double zero.
    if (visited > size / 6) __builtin_trap();
    if (dump.BiosVersion.size() > 2047) __builtin_trap();
    dump.GetMemoryType();
    ResolveMemoryType(MemoryModuleFacts{}, &dump);
    SmbiosDeviceMemoryTypeText(dump.DeviceMemoryType);
    return 0;
}
