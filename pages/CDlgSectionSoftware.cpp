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

const wchar_t kCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// "CurrentBuildNumber" with the update revision "UBR" where there is one.
std::wstring ReadBuildNumber() {
    wchar_t build[256] = {};  // 512 bytes, always terminated
    DWORD bytes = sizeof(build) - sizeof(wchar_t);
    const bool haveBuild = ::RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"CurrentBuildNumber",
                                          RRF_RT_REG_SZ, nullptr, build, &bytes) == ERROR_SUCCESS;
    DWORD revision = 0;
    DWORD size = sizeof(revision);
    const bool haveRevision = haveBuild && ::RegGetValueW(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"UBR",
                                                          RRF_RT_REG_DWORD, nullptr, &revision,
                                                          &size) == ERROR_SUCCESS;
    return BuildNumberText(haveBuild, build, haveRevision, revision);
}
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
    SetValue(kBuild, ReadBuildNumber());
    SetValue(kSystemType, SystemTypeText(os.GetBitness(), Text(38)));
    SetValue(kProductId, os.GetSerialNumber());
    SetValue(kInstallDate, os.GetInstallDate());
}
