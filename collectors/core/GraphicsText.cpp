#include "collectors/core/GraphicsText.h"

#include "common/Format.h"

std::wstring AdapterMemoryText(uint32_t bytes) { return Format(L"%u MBytes", static_cast<unsigned>(bytes >> 20)); }
