#include "shell/Tabs.h"

#include <algorithm>

#include "shell/ProgramSettings.h"

namespace zelvo {

namespace {

const std::vector<TabInfo>& Tabs() {
  // Menu position -> setting, pages.
  static const std::vector<TabInfo> kTabs = {
      {kTabLighting, "Lighting", {"Lighting"}, false},
      {kTabLabels, "Labels", {"Labels"}, false},
      {kTabControl, "Control", {"Control"}, false},
      {kTabSceneMgt, "Scene Management", {"Scene Management"}, true},
      {kTabAudio, "Audio", {"P&&P Audio Master", "P&&P Audio Slave"}, false},
      {kTabTelephony, "Telephony", {"Telephony Master", "Telephony Slave"}, false},
      {kTabSecurity, "Security", {"Security Master", "Security Slave"}, false},
      {kTabAccess, "Access Control", {"Access Control"}, false},
      {kTabHVAC, "HVAC", {"HVAC"}, false},
      {kTabError, "Error Reporting", {"Error Reporting"}, false},
      {kTabMeasurement, "Measurement", {"Measurement"}, false},
      {kTabTime, "Time", {"Time"}, false},
      {kTabMediaTransport, "Media Transport Control", {"Media Transport Control"}, true},
      {kTabShortInformation, "Information Messages", {"Information Messages"}, true},
      {kTabCAL, "CAL", {"CAL"}, true},
      {kTabCustom, "Custom", {"Custom"}, true},
  };
  return kTabs;
}

constexpr std::string_view kHidden[] = {
    // File menu and its speed buttons (New, Open, Save).
    "&New",
    "&Open...",
    "&Save",
    "Save &As...",
    "Execute File...",
    "Filter Log File...",
    "Process Log File",
    // Zelvo menu.
    "Unit Type",
    "Get EEPROM Data",
    "Get RAM Contents",
    "Decrypt Quenby Log",
    "Enable Debug",
    // User buttons.
    "User Button Properties...",
    "Assign Lighting Command to User Button",
    "User Button Panel",
    // Controls on the tabs.
    "Random Run",
    "Learn",
    "Use Old Header on Send",
};

}  // namespace

std::span<const TabInfo> TabList() { return Tabs(); }

bool TabShown(const ProgramSettings& s, int index) {
  if (index < 0 || index >= kTabCount) return false;
  return s.ShowTab[static_cast<std::size_t>(index)] && !Tabs()[static_cast<std::size_t>(index)].HiddenAtStart;
}

void TabItemClick(ProgramSettings& s, int position) {
  if (position < 0 || position >= kTabCount) return;
  auto& v = s.ShowTab[static_cast<std::size_t>(position)];
  v = !v;
}

std::span<const std::string_view> HiddenAtStart() { return kHidden; }

bool IsHiddenAtStart(std::string_view caption) {
  return std::find(std::begin(kHidden), std::end(kHidden), caption) != std::end(kHidden);
}

}  // namespace zelvo
