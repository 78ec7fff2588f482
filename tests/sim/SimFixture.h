#pragma once
// Drives a simulated interface with a virtual clock, and reads its replies
// the way the tool does: the MMI capture rules, the engine's header removal.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "diagnostics/MmiCapture.h"
#include "link/Codec.h"
#include "sim/SimulatedPci.h"

namespace zelvo::sim::test {

// The messages of an output, cut as the tool's receive stream cuts them: at
// carriage returns and line feeds, empty pieces left out. Confirmations
// without a terminator stay at the front of the next piece.
inline std::vector<std::string> OutputLines(const std::string& out) {
  std::vector<std::string> lines;
  std::string current;
  for (char c : out) {
    if (c == '\r' || c == '\n') {
      if (!current.empty()) lines.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return lines;
}

class SimTest : public ::testing::Test {
 protected:
  // Sends text, lets `waitMs` pass, returns everything sent back meanwhile.
  std::string Send(std::string_view text, int waitMs = 300) {
    pci.Receive(text, clock);
    clock += waitMs;
    return pci.TakeOutput(clock);
  }
  static std::vector<std::string> Lines(const std::string& out) { return OutputLines(out); }
  // Puts the interface into default mode (SMART, IDMON, CONNECT) as the tool does.
  void DefaultMode() { Send("~~~\rA3300051\r"); }

  SimulatedPci pci;
  std::int64_t clock = 1000;
};

// The bytes of a hex line sum to a multiple of 256 (the last is the checksum).
inline bool ChecksumValid(std::string_view line) { return IsHexString(line) && MakeChecksum(line) == "00"; }

// The reply text after the routing header, as the request engine reads it.
inline std::string WithoutHeader(const std::string& line) {
  if (line.size() < 8 || (line.substr(0, 2) != "86" && line.substr(0, 2) != "06")) return line;
  int h = HexToInt(line.substr(6, 2));
  return line.substr(static_cast<std::size_t>(8 + 2 * h));
}

// The receive stream's MMI capture, as the tool runs it on each line.
struct MmiCapture {
  explicit MmiCapture(int kind) { state.MMIType = kind; }
  void Capture(const std::string& m) {
    CaptureMMIReply(state, m);
    results = state.MMIResults;
    lastIndex = state.MMILastIndex;
    application = state.MMIApplication;
  }
  static int LevelNibble(int b) { return zelvo::LevelNibble(b); }

  MmiScanState state;
  std::array<int, 256> results{};
  int lastIndex = 0;
  int application = 0;
};

}  // namespace zelvo::sim::test
