#pragma once
// Waiting for the main window's section pages to end their noise reveal.
#include <windows.h>

#include <cstddef>
#include <vector>

#include "app/COrvanelDlg.h"
#include "pages/CSectionPage.h"
#include "tests/wine/support/TestSupport.h"

// The section page at a tree position (0 Summary ... 8 Audio), or nullptr.
inline CSectionPage* SectionPage(const COrvanelDlg& dlg, size_t section) {
    return dynamic_cast<CSectionPage*>(dlg.Page(section));
}

// Pumps messages until each of `sections` (every page when empty) shows its
// values; false when `ms` pass first.
inline bool WaitForReveal(const COrvanelDlg& dlg, std::vector<size_t> sections = {}, DWORD ms = 15000) {
    if (sections.empty())
        for (size_t s = 0; s < COrvanelDlg::kSections; ++s) sections.push_back(s);
    const DWORD end = ::GetTickCount() + ms;
    for (;;) {
        bool all = true;
        for (size_t s : sections) all = all && SectionPage(dlg, s) && SectionPage(dlg, s)->Revealed();
        if (all) return true;
        if (static_cast<LONG>(end - ::GetTickCount()) <= 0) return false;
        PumpMessages(20);
    }
}
