#include "tools/facts/FactsRegistry.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/Format.h"
#include "tools/facts/FactsRun.h"

namespace {

struct Entry {
    FactsArea area;
    const wchar_t* name;
    FactsPrinter print;
};

// Function-local so registrars in other files may run in any order.
std::vector<Entry>& Registry() {
    static std::vector<Entry> entries;
    return entries;
}

void WriteUtf8(const std::wstring& line) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string bytes(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &bytes[0], n, nullptr, nullptr);
    bytes.push_back('\n');
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

}  // namespace

FactsRegistrar::FactsRegistrar(FactsArea area, const wchar_t* name, FactsPrinter print) {
    Registry().push_back(Entry{area, name, print});
}

void PrintFact(const wchar_t* operation, const std::wstring& value) {
    WriteUtf8(std::wstring(operation) + L": " + value);
}

void PrintFact(const wchar_t* operation, int value) { PrintFact(operation, Format(L"%d", value)); }

void PrintFact(const wchar_t* operation, size_t index, const std::wstring& value) {
    WriteUtf8(Format(L"%ls[%u]: ", operation, static_cast<unsigned>(index)) + value);
}

void PrintFact(const wchar_t* operation, size_t index, long long value) {
    PrintFact(operation, index, Format(L"%lld", value));
}

void PrintFacts(const wchar_t* operation, const std::vector<std::wstring>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, list[i]);
}

void RunAllFacts(FactsContext& context) {
    std::vector<Entry> entries = Registry();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return static_cast<int>(a.area) < static_cast<int>(b.area); });
    for (const Entry& e : entries) {
        WriteUtf8(Format(L"# %ls", e.name));
        e.print(context);
        std::fflush(stdout);
    }
}
