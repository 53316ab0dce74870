#pragma once
// Processor load from the system's cumulative idle, kernel and user times
// (100-ns units; kernel time includes idle time). Each meter keeps its own
// baseline, so every caller that owns one sees the interval since its own
// previous call.
#include <cstdint>

class CpuUsageMeter {
public:
    // Busy percentage since the previous call (since system start on the
    // first), 0..100; 100 when no time has passed.
    int Update(uint64_t idle, uint64_t kernel, uint64_t user);

private:
    uint64_t lastTotal_ = 0;
    uint64_t lastIdle_ = 0;
};
