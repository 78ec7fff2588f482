#pragma once
// The traffic analyser's counters, filled from received traffic while the
// interface is in all-monitor mode.

#include <array>
#include <string_view>

namespace zelvo {

struct DecoderWorkspace;

struct AnalyserStats {
  int MessagesInSlot = 0;  // since the analyser's last refresh
  int ErrorsInSlot = 0;
  int CalCount = 0;  // point-to-point messages since the last reset
  std::array<int, 256> SourceCount{};
  std::array<int, 256> ApplicationCount{};
  std::array<int, 256> MMICount{};
  std::array<int, 256> MMISource{};  // unit of the last MMI seen per application
};

// Counts one received message; reuses the decoder's byte workspace.
void CaptureAnalyserMessage(AnalyserStats& stats, DecoderWorkspace& work, std::string_view m);

}  // namespace zelvo
