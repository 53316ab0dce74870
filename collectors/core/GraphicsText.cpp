#include "collectors/core/GraphicsText.h"

#include "common/Format.h"

std::wstring AdapterMemoryText(uint32_t bytes) { return Format(L"%u MBytes", static_cast<unsigned>(bytes >> 20)); }

std::wstring ResolutionText(int width, int height) { return Format(L"%dx%d", width, height); }

std::wstring FrequencyText(int hertz) { return Format(L"%d Hz", hertz); }

std::wstring BitsPerPixelText(int bits) { return Format(L"%d", bits); }
