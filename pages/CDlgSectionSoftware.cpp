#include "pages/CDlgSectionSoftware.h"

#include "collectors/CCollectors.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kVersion = 1037,
    kEdition = 1039,
    kBuild = 1044,
    kSystemType = 1040,
    kProductId = 1002,
    kInstallDate = 1050,
};
}  // namespace

CDlgSectionSoftware::CDlgSectionSoftware(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_SOFTWARE) {
    SetLabels({{kTitleId, 13}, {1036, 35}, {1038, 36}, {1041, 37}, {1045, 40}, {1049, 43}, {1051, 44}});
    AddField(kVersion, 16);
    AddField(kEdition, 16);
    AddField(kBuild, 16);
    AddField(kSystemType, 16);
    AddField(kProductId, 16);
    AddField(kInstallDate, 12);
}

CDlgSectionSoftware::~CDlgSectionSoftware() = default;

void CDlgSectionSoftware::CollectValues() {
    const CSoftware& os = Collectors().Software();
    SetValue(kVersion, WindowsVersionText(os.GetWindowsName(), os.GetServicePack(), Text(39)));
    SetValue(kEdition, os.GetEdition());
    SetValue(kBuild, os.GetBuildNumber());
    SetValue(kSystemType, SystemTypeText(os.GetBitness(), Text(38)));
    SetValue(kProductId, os.GetSerialNumber());
    SetValue(kInstallDate, os.GetInstallDate());
}
