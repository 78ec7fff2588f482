#pragma once
// Background traffic: the commands that units put on the bus by themselves,
// of every application the tool decodes. Media names and short information
// texts that do not fit one packet come as a burst of consecutive messages.

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <vector>

#include "sim/Wire.h"

namespace zelvo::sim {

// A unit that may send: where it is and which groups it serves.
struct TrafficSource {
  int Network = 0;
  int Address = 0;
  const std::map<int, std::vector<int>>* Groups = nullptr;
};

struct TrafficMessage {
  int Network = 0;
  int Source = 0;
  int Application = 0;
  Bytes Commands;
  // A unit's periodic status report of its application (only produced when
  // asked for, see Next): the simulator fills in the states.
  bool StatusReport = false;
};

inline bool IsLightingApplication(int app) { return app == 0x26 || (app >= 0x30 && app <= 0x7F) || app == 0x88; }

class TrafficGenerator {
 public:
  // The next message, or nothing when there is no unit to send it. Time of
  // day for clock broadcasts comes from `clockSeconds` (seconds since
  // midnight). With `statusReports` a few messages are status reports.
  std::optional<TrafficMessage> Next(Rng& rng, const std::vector<TrafficSource>& sources, std::int64_t clockSeconds,
                                     bool statusReports);

 private:
  std::deque<TrafficMessage> burst_;
};

}  // namespace zelvo::sim
