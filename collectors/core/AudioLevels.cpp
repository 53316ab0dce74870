#include "collectors/core/AudioLevels.h"

#include "common/Format.h"

int ScalarToPercent(float scalar) {
    if (!(scalar == scalar)) return -1;  // NaN: converting it to int is undefined
    if (scalar < 0.0f) scalar = 0.0f;
    if (scalar > 1.0f) scalar = 1.0f;
    // Stored once as a float: on x87 the product would otherwise keep extra
    // precision and 0.29 would truncate to 28 instead of 29.
    volatile float percent = scalar * 100.0f;
    return static_cast<int>(percent);
}

std::wstring VolumeText(int percent) { return percent == -1 ? std::wstring() : Format(L"%d", percent); }

void AddOutputEndpoint(OutputEndpointList& list, const std::wstring& id, const std::wstring& name,
                       const std::wstring* defaultId) {
    list.Names.push_back(name);
    if (defaultId != nullptr && id == *defaultId) list.DefaultPosition = static_cast<int>(list.Names.size());
}
