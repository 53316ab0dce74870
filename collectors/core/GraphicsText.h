#pragma once
// Texts of the video adapter facts.
#include <cstdint>
#include <string>

// "%u MBytes" of the adapter's memory in whole MiB. WMI reports the size as a
// 32-bit byte count, so adapters of 4 GiB or more read at most 4095 MBytes.
std::wstring AdapterMemoryText(uint32_t bytes);

// The primary display's mode: "1920x1080", "60 Hz", "32".
std::wstring ResolutionText(int width, int height);
std::wstring FrequencyText(int hertz);
std::wstring BitsPerPixelText(int bits);
