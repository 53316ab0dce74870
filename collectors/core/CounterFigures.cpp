#include "collectors/core/CounterFigures.h"

#include <climits>

int GpuUsageFromSamples(const std::vector<int>& engineSamples) {
    int busiest = 0;
    for (int s : engineSamples)
        if (s > busiest) busiest = s;
    return busiest;
}

int LinkSpeedFromSamples(const std::vector<int>& bandwidthSamples) {
    int fastest = -1;
    for (int s : bandwidthSamples)
        if (s > fastest) fastest = s;
    return fastest;
}

int NetworkUsageFromSamples(const std::vector<int>& bytesTotalSamples, const std::vector<int>& bandwidthSamples) {
    double bits = 0;
    for (int s : bytesTotalSamples)
        if (s > 0) bits += 8.0 * s;
    double fastest = 0;
    for (int s : bandwidthSamples)
        if (s > fastest) fastest = s;
    if (bits != 0 && fastest != 0) {
        const double percent = bits / fastest * 100.0;
        // A bogus tiny bandwidth must not turn into an undefined conversion.
        const int usage = percent >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(percent);
        if (usage != 0) return usage;
    }
    return bits > 0 ? 1 : 0;
}

std::wstring NetworkInstanceName(const std::wstring& adapterDescription) {
    std::wstring name = adapterDescription;
    for (wchar_t& c : name) {
        switch (c) {
            case L'(': c = L'['; break;
            case L')': c = L']'; break;
            case L'/':
            case L'#': c = L'_'; break;
            default: break;
        }
    }
    return name;
}

std::vector<std::wstring> SplitNameList(const wchar_t* list, size_t length) {
    std::vector<std::wstring> names;
    if (list == nullptr) return names;
    size_t pos = 0;
    while (pos < length && list[pos] != L'\0') {
        size_t end = pos;
        while (end < length && list[end] != L'\0') ++end;
        names.emplace_back(list + pos, end - pos);
        pos = end + 1;
    }
    return names;
}
