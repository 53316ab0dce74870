#include "pages/SectionPages.h"

#include "pages/CDlgSectionAudio.h"
#include "pages/CDlgSectionCPU.h"
#include "pages/CDlgSectionGraphics.h"
#include "pages/CDlgSectionMemory.h"
#include "pages/CDlgSectionMotherboard.h"
#include "pages/CDlgSectionNetwork.h"
#include "pages/CDlgSectionSoftware.h"
#include "pages/CDlgSectionStorage.h"
#include "pages/CDlgSectionSummary.h"
#include "pages/CSectionPage.h"

std::unique_ptr<CDialogEx> CreateSectionPage(size_t section, const CWindowContext& ctx, CWnd* mainWindow) {
    switch (section) {
        case 0: return std::make_unique<CDlgSectionSummary>(ctx, mainWindow);
        case 1: return std::make_unique<CDlgSectionSoftware>(ctx);
        case 2: return std::make_unique<CDlgSectionCPU>(ctx);
        case 3: return std::make_unique<CDlgSectionMemory>(ctx);
        case 4: return std::make_unique<CDlgSectionGraphics>(ctx);
        case 5: return std::make_unique<CDlgSectionMotherboard>(ctx);
        case 6: return std::make_unique<CDlgSectionStorage>(ctx);
        case 7: return std::make_unique<CDlgSectionNetwork>(ctx);
        case 8: return std::make_unique<CDlgSectionAudio>(ctx);
        default: return nullptr;
    }
}

void UpdatePageWeiScore(CDialogEx* page) {
    if (auto* section = dynamic_cast<CSectionPage*>(page)) section->UpdateWeiScore();
}
