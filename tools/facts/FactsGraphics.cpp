#include "collectors/CHardwareGraphics.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintGraphics(FactsContext&) {
    CHardwareGraphics graphics;
    PrintFact(L"CHardwareGraphics::GetAdapterName", graphics.GetAdapterName());
    PrintFact(L"CHardwareGraphics::GetDriverVersion", graphics.GetDriverVersion());
    PrintFact(L"CHardwareGraphics::GetAdapterMemory", graphics.GetAdapterMemory());
    PrintFacts(L"CHardwareGraphics::EngineInstances", graphics.EngineInstances);
    PrintFact(L"CHardwareGraphics::GetUsage", graphics.GetUsage());
}

FactsRegistrar registrar(FactsArea::Graphics, L"Graphics", PrintGraphics);

}  // namespace
