#include "pages/CDlgSectionMotherboard.h"

#include "collectors/CCollectors.h"
#include "common/Text.h"
#include "pages/core/PageText.h"
#include "resources/resource.h"

namespace {
enum : int {
    kManufacturer = 1091,
    kModel = 1057,
    kVersion = 1002,
    kBiosBrand = 1119,
    kBiosVersion = 1121,
    kBiosDate = 1123,
    kBiosCaption = 1116,
    kBiosBox = 1117,
};

std::wstring Shown(const std::wstring& text) { return DashIfEmpty(TrimWhiteSpace(text)); }
}  // namespace

CDlgSectionMotherboard::CDlgSectionMotherboard(const CWindowContext& ctx) : CSectionPage(ctx, IDD_SECTION_MOTHERBOARD) {
    // The BIOS box and its caption keep their template text.
    SetLabels({{kTitleId, 17}, {1115, 74}, {1071, 49}, {1010, 76}, {1118, 75}, {1120, 76}, {1122, 77}});
    AddField(kManufacturer, 18);
    AddField(kModel, 20);
    AddField(kVersion, 6);
    AddField(kBiosBrand, 18);
    AddField(kBiosVersion, 18);
    AddField(kBiosDate, 18);
    AddGroupCaption(kBiosCaption, kBiosBox);
}

CDlgSectionMotherboard::~CDlgSectionMotherboard() = default;

void CDlgSectionMotherboard::CollectValues() {
    CCollectors& collectors = Collectors();
    CHardwareMotherboard& board = collectors.Motherboard();
    SetValue(kManufacturer, Shown(board.GetBoardManufacturer()));
    SetValue(kModel, Shown(board.GetBoardProduct()));
    SetValue(kVersion, Shown(board.GetBoardVersion()));
    SetValue(kBiosBrand, Shown(board.GetBiosManufacturer()));
    SetValue(kBiosVersion, Shown(collectors.Smbios().BiosVersion));
    SetValue(kBiosDate, Shown(board.GetBiosReleaseDate()));
}
