#include "collectors/CHardwareGraphics.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintGraphics(FactsContext&) {
    CHardwareGraphics graphics;
    PrintFact(L"CHardwareGraphics::GetAdapterName", graphics.GetAdapterName());
    PrintFact(L"CHardwareGraphics::GetDriverVersion", graphics.GetDriverVersion());
    PrintFact(L"CHardwareGraphics::GetAdapterMemory", graphics.GetAdapterMemory());
    for (size_t i = 0; i < graphics.EngineInstances.size(); ++i)
        PrintFact(L"CHardwareGraphics::EngineInstances", i, graphics.EngineInstances[i]);
    PrintFact(L"CHardwareGraphics::GetUsage", graphics.GetUsage());
}

FactsRegistrar registrar(FactsArea::Graphics, L"Graphics", PrintGraphics);

}  // namespace
