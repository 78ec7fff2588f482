#pragma once
// Drives a simulated interface with a virtual clock, and reads its replies
// the way the tool does: the MMI capture rules, the engine's header removal.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

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

// The MMI capture of the receive stream, by its rules: standard and extended
// status replies carry four 2-bit states a byte; level replies carry level
// code pairs; an 86 header moves the start past the route.
struct MmiCapture {
  int type = 0;  // 1 installation, 2 application, 3 level
  std::array<int, 256> results{};
  int lastIndex = 0;
  int application = 0;

  static int LevelNibble(int b) {
    static constexpr int kCodes[16] = {0xAA, 0xA9, 0xA6, 0xA5, 0x9A, 0x99, 0x96, 0x95,
                                       0x6A, 0x69, 0x66, 0x65, 0x5A, 0x59, 0x56, 0x55};
    for (int v = 0; v < 16; ++v)
      if (kCodes[v] == b) return v;
    return -1;
  }

  void Capture(const std::string& m) {
    if (m.size() < 8 || m.size() > 200) return;
    std::vector<int> d(101, 0);  // 1-based; beyond the message reads 0
    for (std::size_t k = 1; k <= m.size() / 2 && k <= 100; ++k) d[k] = HexToInt(m.substr(2 * k - 2, 2));
    auto at = [&](int i) { return i <= 100 ? d[static_cast<std::size_t>(i)] : -1; };
    int p = d[1] == 0x86 ? d[4] + 5 : 1;
    if (type == 3) {
      int c = at(p);
      if (c < 0xE0) return;
      application = at(p + 2);
      int j = at(p + 3);
      int count = (c - 227) / 2;
      for (int k = 1; k <= count; ++k) {
        int lo = at(p + 2 * k + 2), hi = at(p + 2 * k + 3);
        if (lo < 0 || hi < 0 || j > 255) return;
        int v = (lo == 0 && hi == 0)                           ? -2
                : (LevelNibble(lo) < 0 || LevelNibble(hi) < 0) ? -1
                                                               : LevelNibble(hi) * 16 + LevelNibble(lo);
        results[static_cast<std::size_t>(j++)] = v;
      }
      lastIndex = j - 1;
      return;
    }
    int c = at(p);
    if (c < 0xC0) return;
    int count = 0;
    if (c <= 0xE0) {
      count = c - 0xC2;
    } else {
      ++p;
      count = c - 0xE3;
    }
    application = at(p + 1);
    int i = at(p + 2);
    for (int k = 1; k <= count; ++k) {
      int b = at(p + k + 2);
      if (b < 0) return;
      for (int l = 0; l < 4; ++l) {
        if (i > 255) return;
        results[static_cast<std::size_t>(i++)] = (b >> (2 * l)) & 3;
      }
    }
    lastIndex = i - 1;
  }
};

}  // namespace zelvo::sim::test
