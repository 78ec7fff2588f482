#include "diagnostics/InterfaceState.h"

#include "link/Codec.h"

namespace zelvo {

namespace {

// The value of characters [from, from + count) (1-based), hex digits only.
int HexAt(std::string_view s, std::size_t from, std::size_t count) {
  if (from < 1 || from > s.size()) return 0;
  return HexToInt(s.substr(from - 1, count));
}

std::string SubFrom(std::string_view s, std::size_t from1, std::size_t count = std::string_view::npos) {
  if (from1 < 1 || from1 > s.size()) return {};
  return std::string(s.substr(from1 - 1, count));
}

}  // namespace

bool IsAckChar(char c) { return c >= 'g' && c <= 'z'; }

int ExtractVersion(std::string_view s) try {
  auto p = s.find('.');
  if (p == std::string_view::npos) return HexToInt(s) * 256;
  int result = HexToInt(s.substr(0, p)) * 256;
  std::string_view s2 = s.substr(p + 1, 100);
  auto q = s2.find('.');
  return result + HexToInt(s2.substr(0, q));
} catch (const HexOverflowError&) {
  // The text comes from the interface: a version too long to read is unknown.
  return 0;
}

std::string IsToLocalPCI(InterfaceState& state, std::string_view text) {
  const std::string aa = HexOfSize(state.PCIAddress < 0 ? 0 : state.PCIAddress, 1);
  bool remember = true;
  std::string s;
  if (!text.empty() && text[0] == '@') {
    // An "@" command goes to the local PCI; while its address is unknown the
    // address 00 stands in for it.
    s = "06" + aa + "00" + std::string(text.substr(1));
    remember = false;
  } else if (!text.empty() && text[0] == '\\') {
    s = std::string(text.substr(1));
  } else {
    if (state.PCIAddress >= 0 && state.LastRoute != aa + "00") return {};
    s = "06" + state.LastRoute + std::string(text);
  }
  if (!s.empty() && IsAckChar(s.back())) s.pop_back();
  if (!IsHexString(s)) return {};
  if (s.compare(0, 2, "06") != 0) return {};

  const int hops = HexAt(s, 5, 2) / 9;
  if (hops > 0) {
    state.LastRoute = SubFrom(s, 3, 4 + 2 * static_cast<std::size_t>(hops));
    return {};
  }
  const int unit = HexAt(s, 3, 2);
  if (state.PCIAddress < 0 || unit == state.PCIAddress) {
    if (state.PCIAddress >= 0 && remember) state.LastRoute = aa + "00";
    return s;
  }
  state.LastRoute = HexOfSize(unit, 1) + "00";
  return {};
}

void CheckInterfaceOptions(InterfaceState& state, std::string_view s) {
  if (!s.empty() && s[0] == '~') {
    state.InterfaceOptions1 = 0;
    state.AllMonitorActive = false;
    if (state.PCIAddress >= 0) state.LastRoute = HexOfSize(state.PCIAddress, 1) + "00";
    return;
  }
  if (!s.empty() && s[0] == '|') {
    state.InterfaceOptions1 |= kOptSmart | kOptConnect;
    return;
  }
  const std::string t = IsToLocalPCI(state, s);
  if (t.empty()) {
    state.LastCommandToLocalPCI = false;
    return;
  }
  state.LastCommandToLocalPCI = true;

  const std::string c = SubFrom(t, 7);
  const int op = HexAt(c, 1, 2);
  if (op < 0xA0 || op > 0xBF) return;
  const int n = op - 0xA2;
  if (n < 1) return;
  const int first = HexAt(c, 3, 2);
  auto valueOf = [&](int param) {
    return static_cast<std::uint8_t>(HexAt(c, 7 + 2 * static_cast<std::size_t>(param - first), 2));
  };
  auto covered = [&](int param) { return param >= first && param <= first + n - 1; };

  if (covered(kParamApplicationAddress1)) state.ApplicationAddress1 = valueOf(kParamApplicationAddress1);
  if (covered(kParamApplicationAddress2)) state.ApplicationAddress2 = valueOf(kParamApplicationAddress2);
  if (covered(kParamInterfaceOptions1)) state.InterfaceOptions1 = valueOf(kParamInterfaceOptions1);
  if (covered(kParamInterfaceOptions2)) state.InterfaceOptions2 = valueOf(kParamInterfaceOptions2);
  if (covered(kParamAllMonitor) && valueOf(kParamAllMonitor) == kAllMonitorValue) {
    state.InterfaceOptions1 |= kOptAllMonitor | kOptSmart | kOptIdmon;
    state.AllMonitorActive = true;
  }
  if (covered(kParamInterfaceOptions1Pwr)) state.InterfaceOptions1Pwr = valueOf(kParamInterfaceOptions1Pwr);
  if (covered(kParamInterfaceOptions3)) state.InterfaceOptions3 = valueOf(kParamInterfaceOptions3);
}

}  // namespace zelvo
