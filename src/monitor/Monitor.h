#pragma once
// The monitor as the traffic engine sees it: the panes, the live filter,
// the error-history filter, the command log and the analyser's secure log
// behind the MonitorPort interface.

#include <string_view>

#include "link/MonitorPort.h"
#include "monitor/CommandLog.h"
#include "monitor/Filter.h"
#include "monitor/MonitorDisplay.h"
#include "monitor/SecureLog.h"

namespace zelvo {

class Host;
struct DecodeContext;

// Everything of the monitor that the main window owns for the run.
struct MonitorState {
  MonitorDisplay Display;
  CommandLog Log;
  LiveFilter Filter;
  ErrorHistoryFilters ErrorHistory;
  SecureLog AnalyserLog;  // "Log all messages" of the analyser
};

// SBWarningLabel from the two check marks.
std::string UpdateWarningLabel(const MonitorState& monitor);

class MonitorModel : public MonitorPort {
 public:
  MonitorModel(MonitorState& state, DecodeContext& decoder, Host& host)
      : state_(state), decoder_(decoder), host_(host) {}

  void DisplaySerialString(int StringType, std::string_view s) override;
  bool LiveFilterMatches(std::string_view message, bool transmitted) override;
  bool ErrorHistoryAccepts(std::string_view decoded) override;
  void AnalyserLogMessage(std::string_view message) override;

  MonitorState& State() { return state_; }

 private:
  MonitorState& state_;
  DecodeContext& decoder_;
  Host& host_;
};

}  // namespace zelvo
