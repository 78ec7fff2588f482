#pragma once
// The application tabs: which settings show which pages, the items of
// "Show Tabs" and of the tab pop-up menu, and the features that the main
// window hides at every start.

#include <span>
#include <string_view>
#include <vector>

namespace zelvo {

struct ProgramSettings;

struct TabInfo {
  int Index;                            // TabIndex and the item's menu position
  std::string_view MenuCaption;         // item of "Show Tabs" and the pop-up
  std::vector<std::string_view> Pages;  // page captions ("&&" shows one "&")
  bool HiddenAtStart;                   // never shown, its setting still kept
};

std::span<const TabInfo> TabList();
// Whether tab `index` shows: its setting, unless hidden at every start.
bool TabShown(const ProgramSettings& s, int index);
// TabItemClick: toggles the setting at the item's menu position.
void TabItemClick(ProgramSettings& s, int position);

// Menu items, speed buttons and panels hidden at every start (captions as
// in the menus); nothing shows them again.
std::span<const std::string_view> HiddenAtStart();
bool IsHiddenAtStart(std::string_view caption);

}  // namespace zelvo
