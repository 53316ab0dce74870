#include "collectors/core/CDumpSMBIOS.h"

namespace {

std::wstring WidenBytes(const char* bytes, size_t length) {
    std::wstring out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) out.push_back(static_cast<unsigned char>(bytes[i]));
    return out;
}

// String number n (1-based) of the structure at s, or nullptr/0 when absent.
// The walk guarantees the string area ends with a double zero inside
// `available`, so the scan cannot run past it.
bool FindString(const uint8_t* s, size_t available, unsigned n, const char** text, size_t* len) {
    const size_t formatted = s[1];
    if (n == 0 || formatted >= available) return false;
    const uint8_t* p = s + formatted;
    const uint8_t* end = s + available;
    if (*p == 0) return false;  // empty string area
    for (unsigned i = 1; p < end && *p != 0; ++i) {
        const uint8_t* start = p;
        while (p < end && *p != 0) ++p;
        if (i == n) {
            *text = reinterpret_cast<const char*>(start);
            *len = static_cast<size_t>(p - start);
            return true;
        }
        ++p;  // past the terminator
    }
    return false;
}

}  // namespace

void CDumpSMBIOS::OnBiosInformation(const uint8_t* s, size_t available) {
    if (!BiosVersion.empty() || available < 6 || s[1] < 6) return;
    const char* text = nullptr;
    size_t len = 0;
    if (!FindString(s, available, s[5], &text, &len)) return;
    if (len > 2047) len = 2047;  // the version is kept in a 2048-character area
    BiosVersion = m_decoder ? m_decoder(text, len) : WidenBytes(text, len);
}

void CDumpSMBIOS::OnMemoryModule(const uint8_t* s, size_t available) {
    if (available < 9 || s[1] < 9) return;
    ModuleMemoryType = static_cast<uint16_t>(s[7] | (s[8] << 8));
}

void CDumpSMBIOS::OnMemoryDevice(const uint8_t* s, size_t available) {
    if (available < 0x13 || s[1] < 0x13) return;
    DeviceMemoryType = s[0x12];
}

std::wstring SmbiosDeviceMemoryTypeText(unsigned code) {
    switch (code) {
        case 3: return L"DRAM";
        case 4: return L"EDRAM";
        case 5: return L"VRAM";
        case 6: return L"SRAM";
        case 7: return L"RAM";
        case 8: return L"ROM";
        case 9: return L"FLASH";
        case 10: return L"EEPROM";
        case 11: return L"FEPROM";
        case 12: return L"EPROM";
        case 13: return L"CDRAM";
        case 14: return L"3DRAM";
        case 15: return L"SDRAM";
        case 16: return L"SGRAM";
        case 17: return L"RDRAM";
        case 18: return L"DDR";
        case 19: return L"DDR2";
        case 20: return L"DDR2 FB-DIMM";
        case 24: return L"DDR3";
        case 25: return L"FBD2";
        case 26: return L"DDR4";
        case 34: return L"DDR5";
        default: return std::wstring();
    }
}

std::wstring CDumpSMBIOS::GetMemoryType() const {
    const bool modern = MajorVersion > 2 || (MajorVersion == 2 && MinorVersion >= 1);
    if (modern) {
        if (DeviceMemoryType != 2) return SmbiosDeviceMemoryTypeText(DeviceMemoryType);
        // Unknown device type: fall back to the module's word, read as a code
        // of the older module table (3..25, with its own spelling of 20).
        const unsigned code = ModuleMemoryType;
        if (code < 3 || code > 25) return std::wstring();
        if (code == 20) return L"DDR2 FB-DIMM ";
        return SmbiosDeviceMemoryTypeText(code);
    }
    static const wchar_t* const kBits[] = {L"Standard", L"Fast Page Mode", L"EDO",  L"Parity", L"ECC",
                                           L"SIMM",     L"DIMM",           L"Burst EDO", L"SDRAM"};
    for (unsigned bit = 2; bit <= 10; ++bit)
        if (ModuleMemoryType & (1u << bit)) return kBits[bit - 2];
    return std::wstring();
}
