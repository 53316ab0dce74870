#pragma once
// The nine section pages in tree order, as the main window builds them.
#include <cstddef>
#include <memory>

#include "framework/CDialogEx.h"
#include "settings/CWindowContext.h"

class CWnd;

// The page object of a tree position (0 Summary ... 8 Audio), not yet
// created as a window; nullptr for a position without a page. The Summary
// page keeps `mainWindow` to tell it of new WEI scores.
std::unique_ptr<CDialogEx> CreateSectionPage(size_t section, const CWindowContext& ctx, CWnd* mainWindow);

// Tree positions of the pages with a WEI field, in the order they are
// refreshed when new scores arrive: Summary, CPU, Memory, Graphics, Storage.
constexpr size_t kWeiSections[] = {0, 2, 3, 4, 6};

// Refreshes the WEI field of `page` if it is a section page.
void UpdatePageWeiScore(CDialogEx* page);
