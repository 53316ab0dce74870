#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "collectors/core/CpuUsageMeter.h"
#include "collectors/core/CpuidRules.h"
#include "collectors/core/ProcessorTopology.h"
#include "common/Text.h"

namespace {

// A recorded processor: registers per leaf; unlisted leaves read as zero.
std::map<uint32_t, CpuidRegisters> g_leaves;
int g_calls = 0;

CpuidRegisters FakeCpuid(uint32_t leaf, uint32_t) {
    ++g_calls;
    auto it = g_leaves.find(leaf);
    return it == g_leaves.end() ? CpuidRegisters{} : it->second;
}

CpuidRegisters Vendor(uint32_t maxLeaf, const char* name) {
    CpuidRegisters r;
    uint32_t w[3];
    std::memcpy(w, name, 12);
    r.eax = maxLeaf;
    r.ebx = w[0];
    r.edx = w[1];
    r.ecx = w[2];
    return r;
}

CpuidRegisters Text16(const std::string& text) {
    char bytes[16] = {};
    std::memcpy(bytes, text.data(), std::min<size_t>(16, text.size()));
    CpuidRegisters r;
    std::memcpy(&r.eax, bytes, 4);
    std::memcpy(&r.ebx, bytes + 4, 4);
    std::memcpy(&r.ecx, bytes + 8, 4);
    std::memcpy(&r.edx, bytes + 12, 4);
    return r;
}

TEST(CpuidSnapshotTest, ReadsFieldsOnlyFromLeavesThatExist) {
    // This machine's processor as recorded under the emulator.
    g_leaves = {{0, Vendor(0x1c, "AuthenticAMD")},
                {1, {0x00a10f11, 0x01020800, 0xfffa3203, 0x178bfbff}},
                {7, {0, 0xf1bf07ab, 0x00405fc6, 0x10}},
                {0x80000000, {0x80000008, 0, 0, 0}},
                {0x80000001, {0, 0, 0x20, 0x80000000}}};
    CpuidSnapshot s = TakeCpuidSnapshot(FakeCpuid);
    EXPECT_TRUE(s.isAMD);
    EXPECT_FALSE(s.isIntel);
    EXPECT_EQ(s.standardLeaves.size(), 0x1du);
    EXPECT_EQ(s.extendedLeaves.size(), 9u);
    EXPECT_EQ(s.leaf7Ebx, 0xf1bf07abu);
    EXPECT_EQ(s.ext1Ecx, 0x20u);

    // Leaf 7 beyond the maximum and no extended leaves: those fields stay 0.
    g_leaves = {{0, Vendor(6, "GenuineIntel")}, {1, {0, 0, 1, 1}}, {7, {0, 0xFFFFFFFF, 0, 0}},
                {0x80000000, {0x80000000, 0, 0, 0}}, {0x80000001, {0, 0, 0xFFFFFFFF, 0xFFFFFFFF}}};
    s = TakeCpuidSnapshot(FakeCpuid);
    EXPECT_TRUE(s.isIntel);
    EXPECT_EQ(s.leaf1Ecx, 1u);
    EXPECT_EQ(s.leaf7Ebx, 0u);
    EXPECT_EQ(s.ext1Ecx, 0u);

    // A hypervisor claiming every leaf does not make the snapshot endless.
    g_leaves = {{0, Vendor(0xFFFFFFFF, "KVMKVMKVM\0\0\0")}, {0x80000000, {0xFFFFFFFF, 0, 0, 0}}};
    g_calls = 0;
    s = TakeCpuidSnapshot(FakeCpuid);
    EXPECT_LE(g_calls, 2 * static_cast<int>(kMaxLeavesKept));
    EXPECT_FALSE(s.isAMD || s.isIntel);
}

TEST(CpuFeatures, VendorConditionsDecideSharedBits) {
    CpuidSnapshot amd;
    amd.isAMD = true;
    amd.ext1Ecx = 1u << 5;
    EXPECT_EQ(CpuFeatureList(amd), L"ABM");

    CpuidSnapshot intel;
    intel.isIntel = true;
    intel.ext1Ecx = 1u << 5;
    EXPECT_EQ(CpuFeatureList(intel), L"LZCNT");

    CpuidSnapshot other;  // another vendor: only unconditioned features
    other.ext1Ecx = (1u << 5) | 1u;
    other.ext1Edx = 0xFFFFFFFF;
    EXPECT_EQ(CpuFeatureList(other), L"LAHF");

    EXPECT_EQ(CpuFeatureList(CpuidSnapshot()), L"");
}

TEST(CpuFeatures, ListFollowsTableOrderWithSeparators) {
    CpuidSnapshot s;
    s.isAMD = true;
    s.leaf1Edx = (1u << 25) | (1u << 26) | (1u << 23);  // SSE, SSE2, MMX
    s.leaf1Ecx = (1u << 20);                           // SSE4.2
    s.ext1Edx = (1u << 31);                            // 3DNOW
    s.ext1Ecx = (1u << 6);                             // SSE4a
    EXPECT_EQ(CpuFeatureList(s), L"3DNOW, MMX, SSE, SSE2, SSE4.2, SSE4a");
}

TEST(CpuSignature, FieldsAreShownRaw) {
    const uint32_t eax = 0xA | (0xE << 4) | (0x6 << 8) | (0x9 << 16) | (0x0 << 20);
    EXPECT_EQ(SignatureFieldText(eax, SignatureField::Family), L"6");
    EXPECT_EQ(SignatureFieldText(eax, SignatureField::ExtFamily), L"0");
    EXPECT_EQ(SignatureFieldText(eax, SignatureField::Model), L"E");
    EXPECT_EQ(SignatureFieldText(eax, SignatureField::ExtModel), L"9");
    EXPECT_EQ(SignatureFieldText(eax, SignatureField::Stepping), L"A");
    EXPECT_EQ(SignatureFieldText(0x00a10f11, SignatureField::ExtFamily), L"A");
}

TEST(CpuBrand, NameDropsLowerCaseTrademarkAndTabs) {
    struct Case {
        std::string a, b, c;
        std::string name;
    };
    const Case cases[] = {
        {"AMD Athlon(tm) I", "I X2 250 Process", "or", "AMD Athlon II X2 250 Processor"},
        {"Intel(R) Core(TM", ") i7-8700 CPU @ ", "3.20GHz", "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz"},
        // Each block is cut at its own zero byte, so the third block still
        // counts after a zero in the middle one.
        {"       Intel(R) ", std::string("Xeon\0junk", 9), "\tE5", "       Intel(R) XeonE5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ProcessorNameBytes(Text16(c.a), Text16(c.b), Text16(c.c)), c.name);
    // The brand string stops at the first zero and keeps leading blanks.
    EXPECT_EQ(BrandStringBytes(Text16("  AMD EPYC"), Text16("x"), Text16("y")), "  AMD EPYC");
    EXPECT_EQ(BrandStringBytes(Text16("0123456789abcdef"), Text16(std::string("ab\0cd", 5)), Text16("z")),
              "0123456789abcdefab");
    EXPECT_EQ(TrimWhiteSpace(L"   Intel(R) Xeon \t "), L"Intel(R) Xeon");
    EXPECT_EQ(TrimWhiteSpace(L" \t "), L"");
}

ProcessorRecord CacheRecord(int level, int type, uint32_t size) {
    ProcessorRecord r;
    r.relationship = ProcessorRecord::Cache;
    r.cacheLevel = level;
    r.cacheType = type;
    r.cacheSize = size;
    return r;
}

ProcessorRecord Record(int relationship, uint32_t mask) {
    ProcessorRecord r;
    r.relationship = relationship;
    r.mask = mask;
    return r;
}

TEST(ProcessorTopologyTest, CachesAndCountsOfAFourCoreProcessor) {
    std::vector<ProcessorRecord> records;
    records.push_back(Record(ProcessorRecord::Package, 0xFF));
    for (int core = 0; core < 4; ++core) {
        records.push_back(Record(ProcessorRecord::Core, 3u << (2 * core)));  // two threads each
        records.push_back(CacheRecord(1, ProcessorRecord::Data, 32 * 1024));
        records.push_back(CacheRecord(1, ProcessorRecord::Instruction, 64 * 1024));
        records.push_back(CacheRecord(2, ProcessorRecord::Unified, 256 * 1024));
    }
    records.push_back(CacheRecord(3, ProcessorRecord::Unified, 8 * 1024 * 1024));

    EXPECT_EQ(CacheText(records, 1, ProcessorRecord::Data, false), L"4 x 32 KBytes");
    EXPECT_EQ(CacheText(records, 1, ProcessorRecord::Instruction, false), L"4 x 64 KBytes");
    EXPECT_EQ(CacheText(records, 2, kAnyCacheType, false), L"4 x 256 KBytes");
    EXPECT_EQ(CacheText(records, 3, kAnyCacheType, true), L"1 x 8192 KBytes");
    EXPECT_EQ(CoreCountText(records), L"4");
    EXPECT_EQ(ThreadCountText(records), L"8");
    EXPECT_EQ(SocketCountText(records), L"1");

    // No level-3 record: "-"; no level-1 data record: zeros.
    std::vector<ProcessorRecord> small = {CacheRecord(1, ProcessorRecord::Instruction, 16384)};
    EXPECT_EQ(CacheText(small, 3, kAnyCacheType, true), L"-");
    EXPECT_EQ(CacheText(small, 1, ProcessorRecord::Data, false), L"0 x 0 KBytes");
}

TEST(CpuUsage, BusyShareOfTheIntervalSinceTheLastCall) {
    CpuUsageMeter meter;
    meter.Update(1000, 2000, 500);  // baseline
    // idle +3 000 000, kernel (with idle) +3 000 000, user +1 000 000
    EXPECT_EQ(meter.Update(3001000, 3002000, 1000500), 25);
    // No time passed: 100, as the platform's own meters show it.
    EXPECT_EQ(meter.Update(3001000, 3002000, 1000500), 100);
    EXPECT_EQ(meter.Update(4001000, 4002000, 1000500), 0);
}

TEST(CpuUsage, CountersThatMisbehaveNeverLeaveTheRange) {
    CpuUsageMeter meter;
    meter.Update(5000000, 6000000, 1000000);
    EXPECT_EQ(meter.Update(4000000, 5000000, 1000000), 0);  // ran backwards
    EXPECT_EQ(meter.Update(6000000, 5500000, 1000000), 0);  // idle outran the total
    int u = meter.Update(6500000, 6500000, 1500000);
    EXPECT_GE(u, 0);
    EXPECT_LE(u, 100);
}

}  // namespace
