#pragma once
// The processor identification instruction and the process-wide snapshot
// taken from it once, before the application object exists.
#include <cstdint>

#include "collectors/core/CpuidRules.h"

CpuidRegisters ExecuteCpuid(uint32_t leaf, uint32_t subleaf);
const CpuidSnapshot& ProcessCpuidSnapshot();
