#include "collectors/CHardwareCPU.h"

#include <windows.h>

#include <vector>

#include "collectors/CodePageText.h"
#include "collectors/Cpuid.h"
#include "collectors/WmiQuery.h"
#include "collectors/core/ProcessorTopology.h"
#include "common/Format.h"
#include "common/Text.h"

namespace {

using GetLogicalProcessorInformationFn = BOOL(WINAPI*)(PSYSTEM_LOGICAL_PROCESSOR_INFORMATION, PDWORD);

// The logical-processor table, or false when the platform lacks it or it
// cannot be read.
bool ReadProcessorRecords(std::vector<ProcessorRecord>* records) {
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) return false;
    auto query = reinterpret_cast<GetLogicalProcessorInformationFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetLogicalProcessorInformation")));
    if (query == nullptr) return false;

    std::vector<SYSTEM_LOGICAL_PROCESSOR_INFORMATION> table;
    DWORD bytes = 0;
    while (!query(table.empty() ? nullptr : table.data(), &bytes)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
        table.resize(bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION) + 1);
        bytes = static_cast<DWORD>(table.size() * sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION));
    }
    const size_t count = bytes / sizeof(SYSTEM_LOGICAL_PROCESSOR_INFORMATION);
    for (size_t i = 0; i < count && i < table.size(); ++i) {
        const SYSTEM_LOGICAL_PROCESSOR_INFORMATION& e = table[i];
        ProcessorRecord r;
        r.mask = static_cast<uint32_t>(e.ProcessorMask);
        r.relationship = static_cast<int>(e.Relationship);
        if (e.Relationship == RelationCache) {
            r.cacheLevel = e.Cache.Level;
            r.cacheType = static_cast<int>(e.Cache.Type);
            r.cacheSize = e.Cache.Size;
        }
        records->push_back(r);
    }
    return true;
}

std::wstring CacheOf(int level, int type, bool dashWhenNone) {
    std::vector<ProcessorRecord> records;
    if (!ReadProcessorRecords(&records)) return std::wstring();
    return CacheText(records, level, type, dashWhenNone);
}

std::wstring CountOf(std::wstring (*count)(const std::vector<ProcessorRecord>&)) {
    std::vector<ProcessorRecord> records;
    if (!ReadProcessorRecords(&records)) return std::wstring();
    return count(records);
}

std::wstring SignatureOf(SignatureField field) { return SignatureFieldText(ExecuteCpuid(1, 0).eax, field); }

uint64_t Ticks(const FILETIME& ft) { return (static_cast<uint64_t>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime; }

}  // namespace

std::wstring CHardwareCPU::GetProcessorName() const {
    const std::string bytes =
        ProcessorNameBytes(ExecuteCpuid(0x80000002, 0), ExecuteCpuid(0x80000003, 0), ExecuteCpuid(0x80000004, 0));
    return TrimWhiteSpace(CodePageText(CP_THREAD_ACP, bytes));
}

std::wstring CHardwareCPU::GetBrandString() const {
    const uint32_t maxExtended = ExecuteCpuid(0x80000000, 0).eax;
    if (maxExtended < 0x80000000u) return std::wstring();
    // Leaves past the maximum are not executed and read as zeros.
    CpuidRegisters leaves[3];
    for (uint32_t i = 0; i < 3; ++i)
        if (0x80000002u + i <= maxExtended) leaves[i] = ExecuteCpuid(0x80000002u + i, 0);
    return CodePageText(CP_THREAD_ACP, BrandStringBytes(leaves[0], leaves[1], leaves[2]));
}

std::wstring CHardwareCPU::GetFamily() const { return SignatureOf(SignatureField::Family); }
std::wstring CHardwareCPU::GetExtFamily() const { return SignatureOf(SignatureField::ExtFamily); }
std::wstring CHardwareCPU::GetModel() const { return SignatureOf(SignatureField::Model); }
std::wstring CHardwareCPU::GetExtModel() const { return SignatureOf(SignatureField::ExtModel); }
std::wstring CHardwareCPU::GetStepping() const { return SignatureOf(SignatureField::Stepping); }

std::wstring CHardwareCPU::GetMaxClock() const {
    return WmiLastRow(L"SELECT * FROM Win32_Processor",
                      [](const WmiRow& row) { return Format(L"%u MHz", WmiNumber(row.Get(L"MaxClockSpeed"))); });
}

std::wstring CHardwareCPU::GetFeatures() const { return CpuFeatureList(ProcessCpuidSnapshot()); }

std::wstring CHardwareCPU::GetCacheL1Data() const { return CacheOf(1, ProcessorRecord::Data, false); }
std::wstring CHardwareCPU::GetCacheL1Instruction() const { return CacheOf(1, ProcessorRecord::Instruction, false); }
std::wstring CHardwareCPU::GetCacheL2() const { return CacheOf(2, kAnyCacheType, false); }
std::wstring CHardwareCPU::GetCacheL3() const { return CacheOf(3, kAnyCacheType, true); }
std::wstring CHardwareCPU::GetCoreCount() const { return CountOf(CoreCountText); }
std::wstring CHardwareCPU::GetThreadCount() const { return CountOf(ThreadCountText); }
std::wstring CHardwareCPU::GetSocketCount() const { return CountOf(SocketCountText); }

int CHardwareCPU::GetUsage() {
    FILETIME idle, kernel, user;
    if (!GetSystemTimes(&idle, &kernel, &user)) return -1;
    return m_usage.Update(Ticks(idle), Ticks(kernel), Ticks(user));
}
