#include "collectors/SmbiosReader.h"

#include <windows.h>

#include <new>
#include <vector>

#include "collectors/core/CDumpSMBIOS.h"
#include "collectors/core/SmbiosWalk.h"

namespace {

std::wstring DecodeOem(const char* bytes, size_t length) {
    if (length == 0) return std::wstring();
    // The version text is kept in a 2048-character area.
    wchar_t buffer[2048] = {};
    const int n = MultiByteToWideChar(CP_OEMCP, 0, bytes, static_cast<int>(length), buffer, 2047);
    if (n <= 0) return std::wstring();
    return std::wstring(buffer, static_cast<size_t>(n));
}

}  // namespace

bool ReadSmbiosTable(CDumpSMBIOS& dump) {
    const DWORD provider = 'RSMB';
    const UINT size = GetSystemFirmwareTable(provider, 0, nullptr, 0);
    if (size == 0) return false;
    std::vector<uint8_t> table;
    try {
        table.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    // The table may have changed size in between; only what was written counts.
    const UINT written = GetSystemFirmwareTable(provider, 0, table.data(), size);
    if (written == 0 || written > size) return false;
    dump.SetTextDecoder(DecodeOem);
    WalkSmbiosTable(table.data(), written, dump);
    return true;
}
