#include "collectors/CSoftware.h"
#include "common/Format.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintLog(const CSoftware& software, const wchar_t* name) {
    std::vector<std::wstring> times, sources, ids, types;
    software.ReadEventLog(name, times, sources, ids, types);
    const std::wstring op = Format(L"CSoftware::ReadEventLog(%ls)", name);
    PrintFact(op.c_str(), static_cast<int>(times.size()));
    for (size_t i = 0; i < times.size(); ++i)
        PrintFact(op.c_str(), i, times[i] + L" | " + sources[i] + L" | " + ids[i] + L" | " + types[i]);
}

void PrintSoftware(FactsContext&) {
    CSoftware software;
    PrintFact(L"CSoftware::GetWindowsName", software.GetWindowsName());
    PrintFact(L"CSoftware::GetEdition", software.GetEdition());
    PrintFact(L"CSoftware::GetBitness", software.GetBitness());
    PrintFact(L"CSoftware::GetServicePack", software.GetServicePack());
    PrintFact(L"CSoftware::GetInstallDate", software.GetInstallDate());
    PrintFact(L"CSoftware::GetLastBootTime", software.GetLastBootTime());
    PrintFact(L"CSoftware::GetSerialNumber", software.GetSerialNumber());
    PrintFact(L"CSoftware::GetThreadTotal", software.GetThreadTotal());
    PrintFact(L"IsVersionAtLeast(10,0,0)", IsVersionAtLeast(10, 0, 0) ? 1 : 0);
    PrintLog(software, L"System");
    PrintLog(software, L"Application");
}

FactsRegistrar registrar(FactsArea::Software, L"Software", PrintSoftware);

}  // namespace
