#include "collectors/CPdhСounter.h"

#include <pdhmsg.h>

#include "collectors/core/CounterFigures.h"

CPdhСounter::~CPdhСounter() { Close(); }

void CPdhСounter::Open(const std::wstring& path) {
    Close();
    if (PdhOpenQueryW(nullptr, 0, &query) != ERROR_SUCCESS) {
        query = nullptr;
        return;
    }
    // Rate counters need a first collection to have something to compare with.
    if (PdhAddEnglishCounterW(query, path.c_str(), 0, &counter) != ERROR_SUCCESS ||
        PdhCollectQueryData(query) != ERROR_SUCCESS)
        Close();
}

int CPdhСounter::Sample() {
    if (query == nullptr) return -1;
    if (PdhCollectQueryData(query) != ERROR_SUCCESS) return -1;
    PDH_FMT_COUNTERVALUE value;
    DWORD type = 0;
    if (PdhGetFormattedCounterValue(counter, PDH_FMT_LONG, &type, &value) != ERROR_SUCCESS) return -1;
    return static_cast<int>(value.longValue);
}

void CPdhСounter::Close() {
    if (query != nullptr) PdhCloseQuery(query);
    query = nullptr;
    counter = nullptr;
}

std::vector<int> SampleAll(const std::vector<std::unique_ptr<CPdhСounter>>& counters) {
    std::vector<int> samples;
    samples.reserve(counters.size());
    for (const auto& counter : counters) samples.push_back(counter->Sample());
    return samples;
}

std::vector<std::wstring> EnumCounterInstances(const std::wstring& object) {
    DWORD counterLength = 0;
    DWORD instanceLength = 0;
    PDH_STATUS status = PdhEnumObjectItemsW(nullptr, nullptr, object.c_str(), nullptr, &counterLength, nullptr,
                                            &instanceLength, PERF_DETAIL_WIZARD, 0);
    if (status != static_cast<PDH_STATUS>(PDH_MORE_DATA) || instanceLength == 0) return {};

    std::vector<wchar_t> counters(counterLength + 1, L'\0');
    std::vector<wchar_t> instances(instanceLength + 1, L'\0');
    status = PdhEnumObjectItemsW(nullptr, nullptr, object.c_str(), counters.data(), &counterLength,
                                 instances.data(), &instanceLength, PERF_DETAIL_WIZARD, 0);
    if (status != ERROR_SUCCESS) return {};
    // The second call may report a shorter list than the first asked for.
    const size_t length = instanceLength < instances.size() ? instanceLength : instances.size();
    return SplitNameList(instances.data(), length);
}
