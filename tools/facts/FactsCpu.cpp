#include <windows.h>

#include "collectors/CHardwareCPU.h"
#include "collectors/CPdhСounter.h"
#include "tools/facts/FactsRegistry.h"

namespace {

void PrintCpu(FactsContext&) {
    CHardwareCPU cpu;
    PrintFact(L"CHardwareCPU::GetProcessorName", cpu.GetProcessorName());
    PrintFact(L"CHardwareCPU::GetBrandString", cpu.GetBrandString());
    PrintFact(L"CHardwareCPU::GetFamily", cpu.GetFamily());
    PrintFact(L"CHardwareCPU::GetExtFamily", cpu.GetExtFamily());
    PrintFact(L"CHardwareCPU::GetModel", cpu.GetModel());
    PrintFact(L"CHardwareCPU::GetExtModel", cpu.GetExtModel());
    PrintFact(L"CHardwareCPU::GetStepping", cpu.GetStepping());
    PrintFact(L"CHardwareCPU::GetMaxClock", cpu.GetMaxClock());
    PrintFact(L"CHardwareCPU::GetFeatures", cpu.GetFeatures());
    PrintFact(L"CHardwareCPU::GetCacheL1Data", cpu.GetCacheL1Data());
    PrintFact(L"CHardwareCPU::GetCacheL1Instruction", cpu.GetCacheL1Instruction());
    PrintFact(L"CHardwareCPU::GetCacheL2", cpu.GetCacheL2());
    PrintFact(L"CHardwareCPU::GetCacheL3", cpu.GetCacheL3());
    PrintFact(L"CHardwareCPU::GetCoreCount", cpu.GetCoreCount());
    PrintFact(L"CHardwareCPU::GetThreadCount", cpu.GetThreadCount());
    PrintFact(L"CHardwareCPU::GetSocketCount", cpu.GetSocketCount());
    // The first call measures since system start; show a short interval.
    cpu.GetUsage();
    CPdhСounter processor;
    processor.Open(L"\\Processor(_Total)\\% Processor Time");
    Sleep(250);
    PrintFact(L"CHardwareCPU::GetUsage", cpu.GetUsage());
    PrintFact(L"CPdhСounter::Sample(\\Processor(_Total)\\% Processor Time)", processor.Sample());
}

FactsRegistrar registrar(FactsArea::Cpu, L"CPU", PrintCpu);

}  // namespace
