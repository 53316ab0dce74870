#include "pages/CDlgSectionCPU.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgCPUUsage.h"
#include "resources/resource.h"

namespace {
enum : int {
    kSpecification = 1052,
    kFamily = 1055,
    kExtFamily = 1056,
    kModel = 1057,
    kExtModel = 1058,
    kStepping = 1059,
    kMaxClock = 1060,
    kSockets = 1062,
    kCores = 1063,
    kThreads = 1064,
    kL1Data = 1065,
    kL1Instruction = 1002,
    kL2 = 1066,
    kL3 = 1067,
    kCacheBox = 1086,
    kCacheCaption = 1087,
    kUsage = 1053,
};
}  // namespace

CDlgSectionCPU::CDlgSectionCPU(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_CPU) {
    SetLabels({{kTitleId, 14}, {1069, 46}, {1070, 47}, {1073, 48}, {1071, 49}, {1074, 50}, {1072, 51},
               {1075, 52}, {kCacheBox, 45}, {kCacheCaption, 45}, {1088, 53}, {1077, 54}, {1078, 55},
               {1079, 56}, {1080, 57}, {1081, 58}, {1082, 59}, {kUsage, 60}});
    AddField(kSpecification, 28);
    AddField(kFamily, 2);
    AddField(kExtFamily, 2);
    AddField(kModel, 2);
    AddField(kExtModel, 2);
    AddField(kStepping, 2);
    AddField(kMaxClock, 6);
    AddField(kL1Data, 8);
    AddField(kL1Instruction, 8);
    AddField(kL2, 8);
    AddField(kL3, 8);
    AddField(kSockets, 2);
    AddField(kCores, 2);
    AddField(kThreads, 2);
    SetWeiField(&CWinSAT::processorScore, 2);
    SetButton(kUsage);
    AddGroupCaption(kCacheCaption, kCacheBox);
}

CDlgSectionCPU::~CDlgSectionCPU() = default;

void CDlgSectionCPU::CollectValues() {
    CHardwareCPU& cpu = Collectors().Cpu();
    SetValue(kSpecification, cpu.GetProcessorName());
    SetValue(kFamily, cpu.GetFamily());
    SetValue(kExtFamily, cpu.GetExtFamily());
    SetValue(kModel, cpu.GetModel());
    SetValue(kExtModel, cpu.GetExtModel());
    SetValue(kStepping, cpu.GetStepping());
    SetValue(kMaxClock, cpu.GetMaxClock());
    SetValue(kL1Data, cpu.GetCacheL1Data());
    SetValue(kL1Instruction, cpu.GetCacheL1Instruction());
    SetValue(kL2, cpu.GetCacheL2());
    SetValue(kL3, cpu.GetCacheL3());
    SetValue(kSockets, cpu.GetSocketCount());
    SetValue(kCores, cpu.GetCoreCount());
    SetValue(kThreads, cpu.GetThreadCount());
}

void CDlgSectionCPU::OnButton() { OpenMonitor<CDlgCPUUsage>(/*pauseFirst=*/false); }
