#pragma once
// The MMI scan state: what scan runs and what the replies reported. The
// receive assembler fills the results; the results window shows them; the
// lighting decoder keeps them current while "Automatic Refresh" is on.

#include <array>
#include <cstdint>
#include <functional>

namespace zelvo {

enum MmiKind : int {
  kMmiNone = 0,
  kMmiInstallation = 1,
  kMmiApplication = 2,
  kMmiLevel = 3,
  kMmiEeprom = 4,
  kMmiRam = 5,
};

struct MmiScanState {
  int MMIType = kMmiNone;
  // Installation/application: 2-bit state per address; level: 0..255,
  // -2 no level reported, -1 an invalid level code.
  std::array<int, 256> MMIResults{};
  std::uint8_t MMILastIndex = 0;
  std::uint8_t MMIApplication = 0;

  // The results window's view, kept here so the decoder needs no window.
  int FParameter = 0;            // the application (types 2, 3) or unit (4, 5) shown
  bool AutoRefresh = false;      // "Automatic Refresh" ("MMIAutoUpdate")
  bool ResultsVisible = false;   // the results window is shown
  std::function<void()> Redraw;  // set by the results window when it exists
};

void ClearMMIResults(MmiScanState& mmi);

}  // namespace zelvo
