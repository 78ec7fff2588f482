#pragma once
// The program's copy of what it believes the PC Interface's option registers
// hold, with its firmware version, its unit address and the route of the last
// point-to-point command. Kept up to date by watching every transmitted text.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

// Interface Options 1 (parameter 30) and its power-up copy (parameter 41).
inline constexpr std::uint8_t kOptConnect = 0x01;
inline constexpr std::uint8_t kOptAllMonitor = 0x02;
inline constexpr std::uint8_t kOptXonXoff = 0x04;
inline constexpr std::uint8_t kOptChecksum = 0x08;
inline constexpr std::uint8_t kOptSmart = 0x10;
inline constexpr std::uint8_t kOptMonitor = 0x20;
inline constexpr std::uint8_t kOptIdmon = 0x40;
// Interface Options 2 (parameter 3E).
inline constexpr std::uint8_t kOpt2ClockGen = 0x01;
inline constexpr std::uint8_t kOpt2Burden = 0x40;
// Interface Options 3 (parameter 42).
inline constexpr std::uint8_t kOpt3Pcn = 0x01;
inline constexpr std::uint8_t kOpt3LocalSal = 0x02;
inline constexpr std::uint8_t kOpt3Pun = 0x04;
inline constexpr std::uint8_t kOpt3Exstat = 0x08;

// CONNECT + SMART + IDMON: the default mode.
inline constexpr std::uint8_t kDefaultModeOptions = 0x51;

// PCIVersion thresholds (major x 256 + minor, both read as hex digits).
inline constexpr int kVersion300 = 768;
inline constexpr int kVersion312 = 786;
inline constexpr int kVersion400 = 1024;

// The parameters of the local interface that the tracking follows.
inline constexpr int kParamApplicationAddress1 = 0x21;
inline constexpr int kParamApplicationAddress2 = 0x22;
inline constexpr int kParamInterfaceOptions1 = 0x30;
inline constexpr int kParamInterfaceOptions2 = 0x3E;
inline constexpr int kParamAllMonitor = 0x40;
inline constexpr int kParamInterfaceOptions1Pwr = 0x41;
inline constexpr int kParamInterfaceOptions3 = 0x42;
inline constexpr int kAllMonitorValue = 0x48;

struct InterfaceState {
  int PCIVersion = 0;   // 0 = unknown
  int PCIAddress = -1;  // -1 = unknown
  std::uint8_t InterfaceOptions1 = 0;
  std::uint8_t InterfaceOptions1Pwr = 0;
  std::uint8_t InterfaceOptions2 = 0;
  std::uint8_t InterfaceOptions3 = 0;
  std::uint8_t ApplicationAddress1 = 0;
  std::uint8_t ApplicationAddress2 = 0;
  bool AllMonitorActive = false;
  std::string LastRoute = "0000";
  bool LastCommandToLocalPCI = false;
};

bool IsAckChar(char c);

// Version text to PCIVersion form: "3.12" gives 786, "4" gives 1024.
int ExtractVersion(std::string_view s);
// The normalised point-to-point text of s when it goes to the local PCI,
// otherwise "". Updates LastRoute.
std::string IsToLocalPCI(InterfaceState& state, std::string_view s);
// Updates the tracked state from one transmitted text (checksum and
// acknowledgement character included).
void CheckInterfaceOptions(InterfaceState& state, std::string_view s);

}  // namespace zelvo
