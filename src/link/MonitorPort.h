#pragma once
// What the traffic engine needs from the monitor: showing lines and asking
// the live filter. The monitor model implements it for the window; a
// headless monitor or a test implements it on its own.

#include <string_view>

namespace zelvo {

// DisplaySerialString's string types.
inline constexpr int kStringComment = 0;
inline constexpr int kStringTransmit = 1;
inline constexpr int kStringReceive = 2;

class MonitorPort {
 public:
  virtual ~MonitorPort() = default;
  virtual void DisplaySerialString(int StringType, std::string_view s) = 0;
  // The live filter: whether a message (in its wire form) is shown.
  virtual bool LiveFilterMatches(std::string_view message, bool transmitted) = 0;
  // Whether a received message decoded with flags 15 is an error report for
  // the error history (the fixed criteria list of application 206).
  virtual bool ErrorHistoryAccepts(std::string_view decoded) = 0;
  // The analyser's message log while "Log all messages" is on.
  virtual void AnalyserLogMessage(std::string_view message) { (void)message; }
};

// Shows everything, filters nothing, logs nothing.
class NullMonitor : public MonitorPort {
 public:
  void DisplaySerialString(int, std::string_view) override {}
  bool LiveFilterMatches(std::string_view, bool) override { return true; }
  bool ErrorHistoryAccepts(std::string_view) override { return false; }
};

}  // namespace zelvo
