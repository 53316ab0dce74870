// The settings store's typed entries under an arbitrary sequence of writes
// and reads with arbitrary names and values (a settings file can hold
// anything): a string read never overruns its 256-character buffer and
// returns a prefix of what was stored; a bool read sees only bool entries.
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include <vector>

#include "settings/core/OptionTable.h"
#include "tests/fuzz/SmartFuzzInput.h"

namespace {

std::wstring Text(FuzzInput& in, size_t maxBytes) {
    const std::vector<uint8_t> b = in.Piece(maxBytes);
    std::wstring s;
    for (size_t i = 0; i + 1 < b.size(); i += 2) s.push_back(static_cast<wchar_t>(b[i] | (b[i + 1] << 8)));
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    std::vector<OPTION> entries;
    // A few fixed names so reads hit what was written.
    const wchar_t* names[] = {L"strLanguage", L"fDarkMode", L"", L"strlanguage"};
    for (int step = 0; step < 64; ++step) {
        const uint8_t op = in.Byte();
        std::wstring own = Text(in, 16);
        const std::wstring name = (op & 0x10) ? own.c_str() : names[(op >> 5) & 3];
        switch (op & 3) {
            case 0: SetStringOption(entries, name.c_str(), Text(in, 1200)); break;
            case 1: SetBoolOption(entries, name.c_str(), op & 4); break;
            case 2: {
                wchar_t buffer[kOptionStringMax + 2];
                std::wmemset(buffer, L'#', kOptionStringMax + 2);
                CopyStringOption(entries, name.c_str(), buffer);
                if (buffer[kOptionStringMax + 1] != L'#') __builtin_trap();
                const OPTION* e = FindOption(entries, name.c_str());
                if (e && e->strType == L"string") {
                    const size_t n = std::wcslen(buffer);
                    if (n > kOptionStringMax || e->strValue.compare(0, n, buffer) != 0) __builtin_trap();
                }
                break;
            }
            case 3: {
                const OPTION* e = FindOption(entries, name.c_str());
                if (BoolOption(entries, name.c_str()) && !(e && e->strType == L"bool" && e->fValue)) __builtin_trap();
                break;
            }
        }
        if (size == 0 || in.Byte() == 0xFF) break;
    }
    return 0;
}
