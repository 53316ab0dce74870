#include "collectors/core/SmbiosWalk.h"

#include "collectors/core/CDumpSMBIOS.h"

namespace {

constexpr size_t kHeaderSize = 8;
constexpr size_t kStructureHeader = 4;  // type, length, handle

uint32_t ReadLe32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

size_t WalkSmbiosTable(const uint8_t* data, size_t size, CDumpSMBIOS& dump) {
    if (data == nullptr || size < kHeaderSize) return 0;
    dump.MajorVersion = data[1];
    dump.MinorVersion = data[2];

    // The table may claim more than the buffer holds; trust the smaller.
    size_t length = ReadLe32(data + 4);
    if (length > size - kHeaderSize) length = size - kHeaderSize;
    const uint8_t* table = data + kHeaderSize;
    const uint8_t* end = table + length;

    size_t visited = 0;
    const uint8_t* p = table;
    while (p < end) {
        const size_t available = static_cast<size_t>(end - p);
        if (available < kStructureHeader) break;
        const uint8_t type = p[0];
        const uint8_t formatted = p[1];
        if (formatted < kStructureHeader || formatted > available) break;

        // The string area ends at the first double zero at or after the
        // formatted area; a structure without one is cut off: stop.
        const uint8_t* s = p + formatted;
        while (s + 1 < end && !(s[0] == 0 && s[1] == 0)) ++s;
        if (s + 1 >= end) break;
        const uint8_t* next = s + 2;

        ++visited;
        switch (type) {
            case 0: dump.OnBiosInformation(p, static_cast<size_t>(next - p)); break;
            case 6: dump.OnMemoryModule(p, static_cast<size_t>(next - p)); break;
            case 17: dump.OnMemoryDevice(p, static_cast<size_t>(next - p)); break;
            default: break;  // 1, 2, 3, 4, 7, 11, 19: nothing recorded
        }
        if (type == 127 && formatted == 4) break;
        p = next;
    }
    return visited;
}
