#pragma once
// One performance counter in a query of its own, so that sampling one
// counter never moves another counter's reference sample. Counters are
// opened by English path and sampled as 32-bit integers, -1 meaning failed.
//
// The class name's fourth letter is a Cyrillic capital Es (U+0421); the
// file name carries the same letter.
#include <memory>
#include <string>
#include <vector>

#include <windows.h>
#include <pdh.h>

#include "common/CObject.h"

class CPdhСounter : public CObject {
public:
    CPdhСounter() = default;
    ~CPdhСounter() override;

    // Opens a query, adds the counter and collects a first reference sample.
    // On any failure the counter stays closed and every Sample gives -1.
    void Open(const std::wstring& path);
    // Collects again and returns the value over the interval since the
    // previous collection, or -1.
    int Sample();
    void Close();
    bool IsOpen() const { return query != nullptr; }

private:
    PDH_HQUERY query = nullptr;
    PDH_HCOUNTER counter = nullptr;
};

// One Sample of each counter, in list order: what the usage rules take.
std::vector<int> SampleAll(const std::vector<std::unique_ptr<CPdhСounter>>& counters);

// Instance names of a performance object ("GPU Engine", "Network Interface"),
// in the platform's order, duplicates kept; empty on any failure. Never
// enumerates the objects themselves: that call aborts the process on some
// platforms.
std::vector<std::wstring> EnumCounterInstances(const std::wstring& object);
