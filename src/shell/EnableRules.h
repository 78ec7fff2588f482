#pragma once
// Which controls of the main window need an interface that answers: the
// bus functions are enabled only while the last probe got a confirmation,
// and a few only from interface version 4.00 on.

#include <span>
#include <string_view>

namespace zelvo {

enum class EnableNeed {
  Interface,            // enabled while the interface answered
  InterfaceVersion400,  // ... and its PCIVersion is at least 4.00
};

struct EnableRule {
  std::string_view Item;  // the menu item's caption, or a group of controls
  EnableNeed Need;
};

// Groups of controls, searched through nested group boxes and panels.
inline constexpr std::string_view kControlButtonPanel = "Control Button Panel";
inline constexpr std::string_view kUserButtonPanel = "User Button Panel";
inline constexpr std::string_view kApplicationTabs = "Application Tabs";

std::span<const EnableRule> EnableRules();
bool ItemEnabled(EnableNeed need, bool pciResponded, int pciVersion);
// The rule for one item; nullptr when the item does not depend on the link.
const EnableRule* FindEnableRule(std::string_view item);

}  // namespace zelvo
