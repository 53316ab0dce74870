#include "collectors/core/CpuUsageMeter.h"

int CpuUsageMeter::Update(uint64_t idle, uint64_t kernel, uint64_t user) {
    const uint64_t total = kernel + user;
    const uint64_t deltaTotal = total - lastTotal_;
    const uint64_t deltaIdle = idle - lastIdle_;
    lastTotal_ = total;
    lastIdle_ = idle;

    // Counters that run backwards (a new boot under a restored baseline, a
    // misreporting platform) or idle outrunning the total would make the
    // unsigned deltas wrap; such an interval tells nothing, report it idle.
    if (deltaTotal > (uint64_t{1} << 62) || deltaIdle > (uint64_t{1} << 62) || deltaIdle > deltaTotal) return 0;
    const float ratio = deltaTotal == 0 ? 0.0f : static_cast<float>(deltaIdle) / static_cast<float>(deltaTotal);
    const int busy = static_cast<int>((1.0f - ratio) * 100.0f);
    return busy < 0 ? 0 : (busy > 100 ? 100 : busy);
}
