#include "monitor/Monitor.h"

#include "decode/DecodeContext.h"

namespace zelvo {

std::string UpdateWarningLabel(const MonitorState& monitor) {
  return UpdateWarningLabel(monitor.Filter.Checked, monitor.Log.Enabled);
}

void MonitorModel::DisplaySerialString(int StringType, std::string_view s) {
  zelvo::DisplaySerialString(state_.Display, state_.Log, host_, StringType, s);
}

bool MonitorModel::LiveFilterMatches(std::string_view message, bool transmitted) {
  return zelvo::LiveFilterMatches(state_.Filter, decoder_, message, transmitted);
}

bool MonitorModel::ErrorHistoryAccepts(std::string_view decoded) {
  return zelvo::ErrorHistoryAccepts(state_.ErrorHistory, decoded, decoder_.HexNumbers);
}

void MonitorModel::AnalyserLogMessage(std::string_view message) {
  if (state_.AnalyserLog.IsOpen()) SecureLogWriteLine(state_.AnalyserLog, host_, message);
}

}  // namespace zelvo
