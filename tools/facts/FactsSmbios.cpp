#include "collectors/core/CDumpSMBIOS.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintSmbios(FactsContext& context) {
    const CDumpSMBIOS& s = *context.smbios;
    PrintFact(L"CDumpSMBIOS::MajorVersion", s.MajorVersion);
    PrintFact(L"CDumpSMBIOS::MinorVersion", s.MinorVersion);
    PrintFact(L"CDumpSMBIOS::BiosVersion", s.BiosVersion);
    PrintFact(L"CDumpSMBIOS::ModuleMemoryType", s.ModuleMemoryType);
    PrintFact(L"CDumpSMBIOS::DeviceMemoryType", s.DeviceMemoryType);
    PrintFact(L"CDumpSMBIOS::GetMemoryType", s.GetMemoryType());
}

FactsRegistrar registrar(FactsArea::Smbios, L"SMBIOS", PrintSmbios);

}  // namespace
