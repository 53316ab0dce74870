#include "collectors/Cpuid.h"

#include <cpuid.h>

CpuidRegisters ExecuteCpuid(uint32_t leaf, uint32_t subleaf) {
    CpuidRegisters r;
    unsigned a = 0, b = 0, c = 0, d = 0;
    __cpuid_count(leaf, subleaf, a, b, c, d);
    r.eax = a, r.ebx = b, r.ecx = c, r.edx = d;
    return r;
}

const CpuidSnapshot& ProcessCpuidSnapshot() {
    static const CpuidSnapshot snapshot = TakeCpuidSnapshot(ExecuteCpuid);
    return snapshot;
}

namespace {
// Taken during static initialisation, so it exists before the application
// object (and any collector) is constructed; the function-local static
// above still covers a caller that runs even earlier.
const CpuidSnapshot& g_takenAtStart = ProcessCpuidSnapshot();
}  // namespace
