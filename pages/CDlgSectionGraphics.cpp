#include "pages/CDlgSectionGraphics.h"

#include "collectors/CCollectors.h"
#include "pages/CDlgGPUUsage.h"
#include "pages/core/DevicePageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kAdapterName = 1002,
    kAdapterMemory = 1052,
    kDriverVersion = 1098,
    kResolution = 1099,
    kFrequency = 1100,
    kBitsPerPixel = 1101,
    kGpuBox = 1102,
    kGpuCaption = 1106,
    kMonitorBox = 1107,
    kMonitorCaption = 1108,
    kUsage = 1014,
};
}  // namespace

CDlgSectionGraphics::CDlgSectionGraphics(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_GRAPHICS) {
    SetLabels({{kTitleId, 16}, {kGpuBox, 66}, {kGpuCaption, 66}, {1103, 30}, {1104, 61}, {1105, 67},
               {kMonitorBox, 68}, {kMonitorCaption, 68}, {1109, 69}, {1111, 71}, {1110, 70}, {kUsage, 60}});
    AddField(kAdapterName, 18);
    AddField(kAdapterMemory, 18);
    AddField(kDriverVersion, 18);
    AddField(kResolution, 18);
    AddField(kFrequency, 18);
    AddField(kBitsPerPixel, 18);
    SetWeiField(&CWinSAT::graphicsScore, 4);
    SetButton(kUsage);
    AddGroupCaption(kGpuCaption, kGpuBox);
    AddGroupCaption(kMonitorCaption, kMonitorBox);
}

CDlgSectionGraphics::~CDlgSectionGraphics() = default;

void CDlgSectionGraphics::CollectValues() {
    CHardwareGraphics& graphics = Collectors().Graphics();
    SetValue(kAdapterName, graphics.GetAdapterName());
    SetValue(kAdapterMemory, graphics.GetAdapterMemory());
    SetValue(kDriverVersion, graphics.GetDriverVersion());
    const CHardwareGraphics::DisplayModeTexts display = graphics.GetDisplayMode();
    SetValue(kResolution, display.resolution);
    // When the mode cannot be read both stay empty while the resolution is
    // still shown.
    SetValue(kFrequency, display.frequency);
    SetValue(kBitsPerPixel, display.bitsPerPixel);
}

void CDlgSectionGraphics::OnButton() { OpenMonitor<CDlgGPUUsage>(/*pauseFirst=*/true, /*windows10Only=*/true); }
