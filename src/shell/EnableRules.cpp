#include "shell/EnableRules.h"

#include "diagnostics/InterfaceState.h"

namespace zelvo {

namespace {

// Item -> what it needs from the interface.
constexpr EnableRule kRules[] = {
    {"Execute File...", EnableNeed::Interface},
    {"Set Mode", EnableNeed::Interface},
    {"Set Mode of Other PCI", EnableNeed::Interface},
    {"Installation MMI", EnableNeed::Interface},
    {"Application MMI", EnableNeed::Interface},
    {"Identify", EnableNeed::Interface},
    {"Identify All Units", EnableNeed::Interface},
    {"Get Unit Voltages", EnableNeed::Interface},
    {"Get PCI Data", EnableNeed::Interface},
    {"Unit Type", EnableNeed::Interface},
    {"Get RAM Contents", EnableNeed::Interface},
    {"Get EEPROM Data", EnableNeed::Interface},
    {"Reliability Test", EnableNeed::Interface},
    {kControlButtonPanel, EnableNeed::Interface},
    {kUserButtonPanel, EnableNeed::Interface},
    {kApplicationTabs, EnableNeed::Interface},
    // Level MMI and the analyser's all-monitor mode exist from 4.00 on.
    {"Level MMI", EnableNeed::InterfaceVersion400},
    {"Traffic Analyser", EnableNeed::InterfaceVersion400},
};

}  // namespace

std::span<const EnableRule> EnableRules() { return kRules; }

bool ItemEnabled(EnableNeed need, bool pciResponded, int pciVersion) {
  switch (need) {
    case EnableNeed::Interface: return pciResponded;
    case EnableNeed::InterfaceVersion400: return pciResponded && pciVersion >= kVersion400;
  }
  return false;
}

const EnableRule* FindEnableRule(std::string_view item) {
  for (const EnableRule& r : kRules)
    if (r.Item == item) return &r;
  return nullptr;
}

}  // namespace zelvo
