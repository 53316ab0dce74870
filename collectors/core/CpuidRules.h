#pragma once
// What the program makes of the processor's identification instruction:
// the process-wide snapshot, the feature list, the signature fields and the
// brand texts. The instruction itself is executed elsewhere and handed in as
// a function, so every rule here runs on recorded register values too.
#include <cstdint>
#include <string>
#include <vector>

struct CpuidRegisters {
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

using CpuidFunction = CpuidRegisters (*)(uint32_t leaf, uint32_t subleaf);

struct CpuidSnapshot {
    uint32_t maxStandardLeaf = 0;
    uint32_t maxExtendedLeaf = 0;
    bool isIntel = false;
    bool isAMD = false;
    uint32_t leaf1Ecx = 0, leaf1Edx = 0;
    uint32_t leaf7Ebx = 0, leaf7Ecx = 0;
    uint32_t ext1Ecx = 0, ext1Edx = 0;
    // Registers of every leaf executed, standard from 0, extended from
    // 0x80000000 (sub-leaf 0).
    std::vector<CpuidRegisters> standardLeaves;
    std::vector<CpuidRegisters> extendedLeaves;
};

// Executes leaf 0 up to the maximum standard leaf and 0x80000000 up to the
// maximum extended leaf and picks the fields the feature list reads. A
// hypervisor may claim absurd maxima; at most kMaxLeavesKept of each range
// are executed and kept.
constexpr uint32_t kMaxLeavesKept = 256;
CpuidSnapshot TakeCpuidSnapshot(CpuidFunction cpuid);

// "3DNOW, ABM, ..." in table order; empty when no feature is present.
std::wstring CpuFeatureList(const CpuidSnapshot& s);

// Raw fields of the leaf-1 EAX signature, as "%X".
enum class SignatureField { Family, ExtFamily, Model, ExtModel, Stepping };
std::wstring SignatureFieldText(uint32_t leaf1Eax, SignatureField field);

// The 48 brand bytes of leaves 0x80000002..4, each block cut at its own
// first zero byte; then "(tm)" (lower case only) and tabs removed. Untrimmed
// narrow text; the caller converts and trims.
std::string ProcessorNameBytes(const CpuidRegisters& l2, const CpuidRegisters& l3, const CpuidRegisters& l4);
// The same leaves as one zero-filled 48-byte area cut at its first zero,
// unchanged otherwise.
std::string BrandStringBytes(const CpuidRegisters& l2, const CpuidRegisters& l3, const CpuidRegisters& l4);
