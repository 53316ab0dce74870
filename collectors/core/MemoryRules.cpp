#include "collectors/core/MemoryRules.h"

#include "collectors/core/CDumpSMBIOS.h"
#include "collectors/core/WmiRow.h"
#include "common/Format.h"

std::wstring MemoryFormFactorText(uint32_t code) {
    static const wchar_t* const kNames[] = {
        nullptr, nullptr, L"SIP",  L"DIP",   L"ZIP",   L"SOJ",  L"Proprietary", L"SIMM",
        L"DIMM", L"TSOP", L"PGA",  L"RIMM",  L"SODIMM", L"SRIMM", L"SMD",       L"SSMP",
        L"QFP",  L"TQFP", L"SOIC", L"LCC",   L"PLCC",  L"BGA",  L"FPBGA",       L"LGA",
    };
    if (code >= sizeof(kNames) / sizeof(kNames[0]) || kNames[code] == nullptr) return std::wstring();
    return kNames[code];
}

std::wstring WmiMemoryTypeText(uint32_t code) {
    switch (code) {
        case 2: return L"DRAM";
        case 3: return L"Synchronous DRAM";
        case 4: return L"Cache DRAM";
        case 5: return L"EDO";
        case 6: return L"EDRAM";
        case 7: return L"VRAM";
        case 8: return L"SRAM";
        case 9: return L"RAM";
        case 10: return L"ROM";
        case 11: return L"Flash";
        case 12: return L"EEPROM";
        case 13: return L"FEPROM";
        case 14: return L"EPROM";
        case 15: return L"CDRAM";
        case 16: return L"3DRAM";
        case 17: return L"SDRAM";
        case 18: return L"SGRAM";
        case 19: return L"RDRAM";
        case 20: return L"DDR";
        case 21: return L"DDR2";
        case 22: return L"DDR2 FB-DIMM";
        case 24: return L"DDR3";
        case 25: return L"FBD2";
        case 26: return L"DDR4";
        case 34: return L"DDR5";
        default: return std::wstring();
    }
}

void ApplyPhysicalMemoryRow(const WmiRow& row, MemoryModuleFacts* facts) {
    facts->FormFactor = MemoryFormFactorText(WmiNumber(row.Get(L"FormFactor")));
    facts->MemoryTypeText = WmiMemoryTypeText(WmiNumber(row.Get(L"MemoryType")));
    facts->ConfiguredClock = WmiNumber(row.Get(L"ConfiguredClockSpeed"));
}

std::wstring ResolveMemoryType(const MemoryModuleFacts& facts, const CDumpSMBIOS* holder) {
    if (!facts.MemoryTypeText.empty()) {
        if (facts.MemoryTypeText == L"DDR4" && facts.ConfiguredClock > 4800) return L"DDR5";
        return facts.MemoryTypeText;
    }
    if (holder == nullptr) return std::wstring();
    return holder->GetMemoryType();
}

std::wstring InstalledMemoryText(uint64_t kib) {
    return Format(L"%u MBytes", static_cast<unsigned>(static_cast<uint32_t>(kib / 1024)));
}
