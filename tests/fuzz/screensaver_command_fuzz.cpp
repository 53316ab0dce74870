// The screensaver's command line is whatever started it: any text, any
// number after "/p", in any case.
#include <cstddef>
#include <cstdint>
#include <string>

#include "screensaver/core/ScreensaverMode.h"
#include "tests/fuzz/FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the reading: one character per byte hits the
    // switches and digits far more often than UTF-16 pairs do.
    const std::wstring tail = data[0] & 1 ? WideFromBytes(data + 1, size - 1) : std::wstring(data + 1, data + size);
    const ScreensaverCommand cmd = ParseScreensaverCommand(tail);
    if (cmd.mode != ScreensaverMode::Preview && cmd.parent != 0) __builtin_trap();
    if (cmd.mode != ScreensaverMode::Settings && (tail.size() < 2 || tail[0] != L'/')) __builtin_trap();
    return 0;
}
