#include "collectors/CHardwareMemory.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintMemory(FactsContext& context) {
    CHardwareMemory memory(context.smbios);
    PrintFact(L"CHardwareMemory::FormFactor", memory.FormFactor);
    PrintFact(L"CHardwareMemory::MemoryTypeText", memory.MemoryTypeText);
    PrintFact(L"CHardwareMemory::ConfiguredClock", static_cast<int>(memory.ConfiguredClock));
    PrintFact(L"CHardwareMemory::GetMemoryType", memory.GetMemoryType());
    PrintFact(L"CHardwareMemory::GetInstalledMemory", memory.GetInstalledMemory());
    PrintFact(L"CHardwareMemory::GetMemoryLoad", memory.GetMemoryLoad());
}

FactsRegistrar registrar(FactsArea::Memory, L"Memory", PrintMemory);

}  // namespace
