#pragma once
// Cache and core counting over the operating system's logical-processor
// records, copied into a neutral form.
#include <cstdint>
#include <string>
#include <vector>

struct ProcessorRecord {
    enum Relationship { Core = 0, Cache = 2, Package = 3 };
    enum CacheType { Unified = 0, Instruction = 1, Data = 2, Trace = 3 };

    uint32_t mask = 0;        // processor mask (32 bits in this program)
    int relationship = -1;
    int cacheLevel = 0;       // cache records only
    int cacheType = 0;
    uint32_t cacheSize = 0;   // bytes
};

constexpr int kAnyCacheType = -1;

// "%d x %d KBytes": number of matching cache records x the last one's size
// in KiB. With no match "0 x 0 KBytes", or "-" when `dashWhenNone` (used for
// level 3, which many processors do not have).
std::wstring CacheText(const std::vector<ProcessorRecord>& records, int level, int type, bool dashWhenNone);

// "%d" of the processor-core records, of the package records, and of the
// set bits in the core records' masks (logical processors).
std::wstring CoreCountText(const std::vector<ProcessorRecord>& records);
std::wstring SocketCountText(const std::vector<ProcessorRecord>& records);
std::wstring ThreadCountText(const std::vector<ProcessorRecord>& records);
