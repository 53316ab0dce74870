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

std::unique_ptr<CDialogEx> CreateSectionPage(size_t section, CWnd* mainWindow) {
    switch (section) {
        case 0: return std::make_unique<CDlgSectionSummary>(mainWindow);
        case 1: return std::make_unique<CDlgSectionSoftware>();
        case 2: return std::make_unique<CDlgSectionCPU>();
        case 3: return std::make_unique<CDlgSectionMemory>();
        case 4: return std::make_unique<CDlgSectionGraphics>();
        case 5: return std::make_unique<CDlgSectionMotherboard>();
        case 6: return std::make_unique<CDlgSectionStorage>();
        case 7: return std::make_unique<CDlgSectionNetwork>();
        case 8: return std::make_unique<CDlgSectionAudio>();
        default: return nullptr;
    }
}

void UpdatePageWeiScore(CDialogEx* page) {
    if (auto* section = dynamic_cast<CSectionPage*>(page)) section->UpdateWeiScore();
}
