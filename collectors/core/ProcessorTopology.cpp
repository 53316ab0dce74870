#include "collectors/core/ProcessorTopology.h"

#include "common/Format.h"

namespace {

int CountRelationship(const std::vector<ProcessorRecord>& records, int relationship) {
    int n = 0;
    for (const auto& r : records)
        if (r.relationship == relationship) ++n;
    return n;
}

}  // namespace

std::wstring CacheText(const std::vector<ProcessorRecord>& records, int level, int type, bool dashWhenNone) {
    int count = 0;
    uint32_t size = 0;
    for (const auto& r : records) {
        if (r.relationship != ProcessorRecord::Cache || r.cacheLevel != level) continue;
        if (type != kAnyCacheType && r.cacheType != type) continue;
        ++count;
        size = r.cacheSize;
    }
    if (count == 0 && dashWhenNone) return L"-";
    return Format(L"%d x %d KBytes", count, static_cast<int>(size / 1024));
}

std::wstring CoreCountText(const std::vector<ProcessorRecord>& records) {
    return Format(L"%d", CountRelationship(records, ProcessorRecord::Core));
}

std::wstring SocketCountText(const std::vector<ProcessorRecord>& records) {
    return Format(L"%d", CountRelationship(records, ProcessorRecord::Package));
}

std::wstring ThreadCountText(const std::vector<ProcessorRecord>& records) {
    int threads = 0;
    for (const auto& r : records) {
        if (r.relationship != ProcessorRecord::Core) continue;
        for (uint32_t m = r.mask; m != 0; m &= m - 1) ++threads;
    }
    return Format(L"%d", threads);
}
