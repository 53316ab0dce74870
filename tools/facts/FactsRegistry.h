#pragma once
// orvanel-facts prints what every collector reports on this machine, one
// "Operation: value" line each, for example
//     CHardwareCPU::GetProcessorName: AMD EPYC
// An area adds itself from its own file, tools/facts/Facts<Area>.cpp:
//
//     #include "tools/facts/FactsRegistry.h"
//     namespace {
//     void PrintStorage(FactsContext& ctx) {
//         CHardwareStorage storage;
//         PrintFact(L"CHardwareStorage::GetIdleTime", storage.GetIdleTime());
//         PrintFacts(L"CHardwareStorage::Models", storage.Models);
//     }
//     FactsRegistrar registrar(FactsArea::Storage, L"Storage", PrintStorage);
//     }  // namespace
//
// Areas are printed in FactsArea order whatever the link order. A value is
// printed as it is returned (empty text stays empty, -1 stays -1); list
// members print one line per entry as "Operation[i]: value". The text is
// written as UTF-8. Lines must not depend on each other: a print function
// constructs the collectors it needs.
#include <cstddef>
#include <string>
#include <vector>

class CDumpSMBIOS;

enum class FactsArea {
    Smbios = 10,
    Cpu = 20,
    Memory = 30,
    Graphics = 40,
    Motherboard = 50,
    Storage = 60,
    Network = 70,
    Audio = 80,
    Software = 90,
    DateTime = 100,
};

// What the program's start-up would have prepared before any collector runs.
struct FactsContext {
    CDumpSMBIOS* smbios = nullptr;  // filled from the firmware table
};

using FactsPrinter = void (*)(FactsContext& context);

struct FactsRegistrar {
    FactsRegistrar(FactsArea area, const wchar_t* name, FactsPrinter print);
};

void PrintFact(const wchar_t* operation, const std::wstring& value);
void PrintFact(const wchar_t* operation, int value);
void PrintFact(const wchar_t* operation, size_t index, const std::wstring& value);
void PrintFact(const wchar_t* operation, size_t index, long long value);

// A list member, one "Operation[i]: value" line per entry.
void PrintFacts(const wchar_t* operation, const std::vector<std::wstring>& list);
template <typename Number>
void PrintFacts(const wchar_t* operation, const std::vector<Number>& list) {
    for (size_t i = 0; i < list.size(); ++i) PrintFact(operation, i, static_cast<long long>(list[i]));
}
