#pragma once
// Rules of the Audio collector that do not touch the audio interfaces.
#include <string>
#include <vector>

// A 0.0..1.0 scalar (master volume, peak level) in whole percent, truncated
// (0.289 gives 28). Values outside the range are clamped; a value that is not
// a number gives -1.
int ScalarToPercent(float scalar);

// "%d" of a volume percentage; empty for -1 (not available).
std::wstring VolumeText(int percent);

// The playback endpoints as listed: their friendly names in enumeration order
// and the 1-based position of the default endpoint (0 until it is seen).
struct OutputEndpointList {
    std::vector<std::wstring>& Names;
    int& DefaultPosition;
};

// Appends one endpoint; `defaultId` is null when the default endpoint's
// identifier could not be read, in which case no position is marked.
void AddOutputEndpoint(OutputEndpointList& list, const std::wstring& id, const std::wstring& name,
                       const std::wstring* defaultId);
