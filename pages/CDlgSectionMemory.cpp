#include "pages/CDlgSectionMemory.h"

#include "collectors/CCollectors.h"
#include "common/Text.h"
#include "pages/CDlgMemoryUsagePhysical.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kSize = 1052,
    kType = 1002,
    kFormFactor = 1090,
    kUsage = 1092,
};
}  // namespace

CDlgSectionMemory::CDlgSectionMemory(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_MEMORY) {
    SetLabels({{kTitleId, 15}, {1095, 61}, {1096, 63}, {1097, 64}, {kUsage, 60}});
    AddField(kSize, 16);
    AddField(kType, 16);
    AddField(kFormFactor, 16);
    SetWeiField(&CWinSAT::memoryScore, 4);
    SetButton(kUsage);
}

CDlgSectionMemory::~CDlgSectionMemory() = default;

void CDlgSectionMemory::CollectValues() {
    CHardwareMemory& memory = Collectors().Memory();
    SetValue(kType, TrimWhiteSpace(memory.GetMemoryType()));
    SetValue(kSize, TrimWhiteSpace(memory.GetInstalledMemory()));
    // An unknown form factor stays an empty field.
    SetValue(kFormFactor, TrimWhiteSpace(memory.FormFactor));
}

void CDlgSectionMemory::OnButton() { OpenMonitor<CDlgMemoryUsagePhysical>(/*pauseFirst=*/false); }
