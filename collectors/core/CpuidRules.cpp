#include "collectors/core/CpuidRules.h"

#include <cstring>
// GCC 12 reports false "maybe uninitialized" warnings from inside <regex>
// when optimising with the sanitizers on.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>

#include "common/Format.h"

namespace {

constexpr uint32_t kExtendedBase = 0x80000000u;

bool Bit(uint32_t value, int bit) { return (value >> bit) & 1u; }

void AppendBlock(std::string* out, const CpuidRegisters& r, bool cutAtZero) {
    char bytes[16];
    const uint32_t regs[4] = {r.eax, r.ebx, r.ecx, r.edx};
    for (int i = 0; i < 4; ++i)
        for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = static_cast<char>(regs[i] >> (8 * b));
    size_t n = 16;
    if (cutAtZero) {
        const void* zero = std::memchr(bytes, 0, 16);
        if (zero != nullptr) n = static_cast<size_t>(static_cast<const char*>(zero) - bytes);
    }
    out->append(bytes, n);
}

}  // namespace

CpuidSnapshot TakeCpuidSnapshot(CpuidFunction cpuid) {
    CpuidSnapshot s;
    const CpuidRegisters leaf0 = cpuid(0, 0);
    s.maxStandardLeaf = leaf0.eax;
    for (uint32_t leaf = 0; leaf <= s.maxStandardLeaf && leaf < kMaxLeavesKept; ++leaf)
        s.standardLeaves.push_back(leaf == 0 ? leaf0 : cpuid(leaf, 0));

    const CpuidRegisters ext0 = cpuid(kExtendedBase, 0);
    s.maxExtendedLeaf = ext0.eax;
    for (uint32_t leaf = kExtendedBase; leaf >= kExtendedBase && leaf <= s.maxExtendedLeaf &&
                                        leaf - kExtendedBase < kMaxLeavesKept;
         ++leaf)
        s.extendedLeaves.push_back(leaf == kExtendedBase ? ext0 : cpuid(leaf, 0));

    char vendor[13] = {};
    const uint32_t order[3] = {leaf0.ebx, leaf0.edx, leaf0.ecx};
    for (int i = 0; i < 3; ++i)
        for (int b = 0; b < 4; ++b) vendor[i * 4 + b] = static_cast<char>(order[i] >> (8 * b));
    s.isIntel = std::strcmp(vendor, "GenuineIntel") == 0;
    s.isAMD = !s.isIntel && std::strcmp(vendor, "AuthenticAMD") == 0;

    if (s.maxStandardLeaf >= 1 && s.standardLeaves.size() > 1) {
        s.leaf1Ecx = s.standardLeaves[1].ecx;
        s.leaf1Edx = s.standardLeaves[1].edx;
    }
    if (s.maxStandardLeaf >= 7 && s.standardLeaves.size() > 7) {
        s.leaf7Ebx = s.standardLeaves[7].ebx;
        s.leaf7Ecx = s.standardLeaves[7].ecx;
    }
    if (s.maxExtendedLeaf > kExtendedBase && s.extendedLeaves.size() > 1) {
        s.ext1Ecx = s.extendedLeaves[1].ecx;
        s.ext1Edx = s.extendedLeaves[1].edx;
    }
    return s;
}

std::wstring CpuFeatureList(const CpuidSnapshot& s) {
    const bool amd = s.isAMD, intel = s.isIntel;
    const struct {
        const wchar_t* name;
        bool present;
    } features[] = {
        {L"3DNOW", amd && Bit(s.ext1Edx, 31)},
        {L"3DNOWEXT", amd && Bit(s.ext1Edx, 30)},
        {L"ABM", amd && Bit(s.ext1Ecx, 5)},
        {L"ADX", Bit(s.leaf7Ebx, 19)},
        {L"AES", Bit(s.leaf1Ecx, 25)},
        {L"AVX", Bit(s.leaf1Ecx, 28)},
        {L"AVX2", Bit(s.leaf7Ebx, 5)},
        {L"AVX512CD", Bit(s.leaf7Ebx, 28)},
        {L"AVX512ER", Bit(s.leaf7Ebx, 27)},
        {L"AVX512F", Bit(s.leaf7Ebx, 16)},
        {L"AVX512PF", Bit(s.leaf7Ebx, 26)},
        {L"BMI1", Bit(s.leaf7Ebx, 3)},
        {L"BMI2", Bit(s.leaf7Ebx, 8)},
        {L"CLFSH", Bit(s.leaf1Edx, 19)},
        {L"CMPXCHG16B", Bit(s.leaf1Ecx, 13)},
        {L"CX8", Bit(s.leaf1Edx, 8)},
        {L"ERMS", Bit(s.leaf7Ebx, 9)},
        {L"F16C", Bit(s.leaf1Ecx, 29)},
        {L"FMA", Bit(s.leaf1Ecx, 12)},
        {L"FSGSBASE", Bit(s.leaf7Ebx, 0)},
        {L"FXSR", Bit(s.leaf1Edx, 24)},
        {L"HLE", intel && Bit(s.leaf7Ebx, 4)},
        {L"INVPCID", Bit(s.leaf7Ebx, 10)},
        {L"LAHF", Bit(s.ext1Ecx, 0)},
        {L"LZCNT", intel && Bit(s.ext1Ecx, 5)},
        {L"MMX", Bit(s.leaf1Edx, 23)},
        {L"MMXEXT", amd && Bit(s.ext1Edx, 22)},
        {L"MONITOR", Bit(s.leaf1Ecx, 3)},
        {L"MOVBE", Bit(s.leaf1Ecx, 22)},
        {L"MSR", Bit(s.leaf1Edx, 5)},
        {L"OSXSAVE", Bit(s.leaf1Ecx, 27)},
        {L"PCLMULQDQ", Bit(s.leaf1Ecx, 1)},
        {L"POPCNT", Bit(s.leaf1Ecx, 23)},
        {L"PREFETCHWT1", Bit(s.leaf7Ecx, 0)},
        {L"RDRAND", Bit(s.leaf1Ecx, 30)},
        {L"RDSEED", Bit(s.leaf7Ebx, 18)},
        {L"RDTSCP", intel && Bit(s.ext1Edx, 27)},
        {L"RTM", intel && Bit(s.leaf7Ebx, 11)},
        {L"SEP", Bit(s.leaf1Edx, 11)},
        {L"SHA", Bit(s.leaf7Ebx, 29)},
        {L"SSE", Bit(s.leaf1Edx, 25)},
        {L"SSE2", Bit(s.leaf1Edx, 26)},
        {L"SSE3", Bit(s.leaf1Ecx, 0)},
        {L"SSE4.1", Bit(s.leaf1Ecx, 19)},
        {L"SSE4.2", Bit(s.leaf1Ecx, 20)},
        {L"SSE4a", amd && Bit(s.ext1Ecx, 6)},
        {L"SSSE3", Bit(s.leaf1Ecx, 9)},
        {L"SYSCALL", intel && Bit(s.ext1Edx, 11)},
        {L"TBM", amd && Bit(s.ext1Ecx, 21)},
        {L"XOP", amd && Bit(s.ext1Ecx, 11)},
        {L"XSAVE", Bit(s.leaf1Ecx, 26)},
    };
    std::wstring list;
    for (const auto& f : features) {
        if (!f.present) continue;
        if (!list.empty()) list += L", ";
        list += f.name;
    }
    return list;
}

std::wstring SignatureFieldText(uint32_t eax, SignatureField field) {
    unsigned value = 0;
    switch (field) {
        case SignatureField::Family: value = (eax >> 8) & 0xF; break;
        case SignatureField::ExtFamily: value = (eax >> 20) & 0xFF; break;
        case SignatureField::Model: value = (eax >> 4) & 0xF; break;
        case SignatureField::ExtModel: value = (eax >> 16) & 0xF; break;
        case SignatureField::Stepping: value = eax & 0xF; break;
    }
    return Format(L"%X", value);
}

std::string ProcessorNameBytes(const CpuidRegisters& l2, const CpuidRegisters& l3, const CpuidRegisters& l4) {
    std::string name;
    AppendBlock(&name, l2, true);
    AppendBlock(&name, l3, true);
    AppendBlock(&name, l4, true);
    // Only the lower-case mark goes: "(TM)" and "(R)" are part of some names.
    static const std::regex kTrademark("\\(tm\\)");
    name = std::regex_replace(name, kTrademark, "");
    std::string out;
    for (char c : name)
        if (c != '\t') out.push_back(c);
    return out;
}

std::string BrandStringBytes(const CpuidRegisters& l2, const CpuidRegisters& l3, const CpuidRegisters& l4) {
    std::string area;
    AppendBlock(&area, l2, false);
    AppendBlock(&area, l3, false);
    AppendBlock(&area, l4, false);
    const size_t zero = area.find('\0');
    return zero == std::string::npos ? area : area.substr(0, zero);
}

