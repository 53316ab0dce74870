#pragma once
// orvanel-showcase.exe opens one of the program's windows on its own, with a
// chosen appearance and language, so screenshots can be taken of windows
// that are otherwise reached through menus or need particular hardware.
//
//   orvanel-showcase.exe <window> <dark|light> [language] [font]
//
// Each window registers itself from its own file:
//   static ShowcaseEntry entry(L"settings", [] { CDlgSettings dlg(GetApp()->Context(), nullptr); dlg.DoModal(); });
#include <functional>
#include <string>
#include <vector>

struct ShowcaseEntry {
    ShowcaseEntry(const wchar_t* name, std::function<void()> show);
};

struct ShowcaseItem {
    std::wstring name;
    std::function<void()> show;
};
std::vector<ShowcaseItem>& ShowcaseItems();
