#include "pages/SectionPages.h"

#include "pages/CDlgSectionCPU.h"
#include "pages/CDlgSectionMemory.h"
#include "pages/CDlgSectionMotherboard.h"
#include "pages/CDlgSectionSoftware.h"
#include "pages/CDlgSectionSummary.h"
#include "pages/CSectionPage.h"

// The device pages (Graphics, Storage, Network, Audio) join as they arrive.
#if __has_include("pages/CDlgSectionGraphics.h")
#include "pages/CDlgSectionGraphics.h"
#define ORVANEL_HAVE_GRAPHICS_PAGE 1
#endif
#if __has_include("pages/CDlgSectionStorage.h")
#include "pages/CDlgSectionStorage.h"
#define ORVANEL_HAVE_STORAGE_PAGE 1
#endif
#if __has_include("pages/CDlgSectionNetwork.h")
#include "pages/CDlgSectionNetwork.h"
#define ORVANEL_HAVE_NETWORK_PAGE 1
#endif
#if __has_include("pages/CDlgSectionAudio.h")
#include "pages/CDlgSectionAudio.h"
#define ORVANEL_HAVE_AUDIO_PAGE 1
#endif

std::unique_ptr<CDialogEx> CreateSectionPage(size_t section, CWnd* mainWindow) {
    switch (section) {
        case 0: return std::make_unique<CDlgSectionSummary>(mainWindow);
        case 1: return std::make_unique<CDlgSectionSoftware>();
        case 2: return std::make_unique<CDlgSectionCPU>();
        case 3: return std::make_unique<CDlgSectionMemory>();
#ifdef ORVANEL_HAVE_GRAPHICS_PAGE
        case 4: return std::make_unique<CDlgSectionGraphics>();
#endif
        case 5: return std::make_unique<CDlgSectionMotherboard>();
#ifdef ORVANEL_HAVE_STORAGE_PAGE
        case 6: return std::make_unique<CDlgSectionStorage>();
#endif
#ifdef ORVANEL_HAVE_NETWORK_PAGE
        case 7: return std::make_unique<CDlgSectionNetwork>();
#endif
#ifdef ORVANEL_HAVE_AUDIO_PAGE
        case 8: return std::make_unique<CDlgSectionAudio>();
#endif
        default: return nullptr;
    }
}

void UpdatePageWeiScore(CDialogEx* page) {
    if (auto* section = dynamic_cast<CSectionPage*>(page)) section->UpdateWeiScore();
}
