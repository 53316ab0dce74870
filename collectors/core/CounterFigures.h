#pragma once
// Figures derived from performance-counter samples. Each takes the samples
// in counter order (-1 = failed sample) so the collectors only sample and
// hand over; the screensaver uses the same rules.
#include <string>
#include <vector>

// GPU load: the busiest engine's sample, starting from 0 (failures never win).
int GpuUsageFromSamples(const std::vector<int>& engineSamples);

// Link speed in bits/s: the largest "Current Bandwidth" sample, -1 when
// there is none.
int LinkSpeedFromSamples(const std::vector<int>& bandwidthSamples);

// Network load in percent of the fastest link. Bytes/s totals are summed as
// bits/s (non-positive samples add nothing); any traffic at all gives at
// least 1; several busy links may give more than 100 (capped at INT_MAX).
int NetworkUsageFromSamples(const std::vector<int>& bytesTotalSamples, const std::vector<int>& bandwidthSamples);

// Counter instance name of a network adapter, made from its description the
// way the system names "Network Interface" instances.
std::wstring NetworkInstanceName(const std::wstring& adapterDescription);

// Splits a double-zero-terminated list of names, reading at most `length`
// characters (a list without its final terminator ends at `length`).
std::vector<std::wstring> SplitNameList(const wchar_t* list, size_t length);
