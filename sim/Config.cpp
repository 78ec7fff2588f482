#include "sim/Config.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <set>
#include <sstream>

namespace zelvo::sim {

namespace {

constexpr std::string_view kDefaultIni = R"(; The built-in network of zelvo-pci-sim. Byte values (addresses,
; applications, groups, levels, registers) are hex, as on the bus;
; networks, seeds and rates are decimal.

[network]
seed = 1
traffic = 0

[pci]
address = 01
version = 4.00
manufacturer = ZELVO
type = HOST_IF
project = DEMO
part = PCI5500
serial = 162-63
voltage = 36.0V
options1 = 00
options2 = 01
options3 = 00
monitor1 = FF
monitor2 = FF

[unit]
address = 02
type = RELAY8
firmware = 2.10
voltage = 35.9V
serial = 1201-1
groups = 38:01-08

[unit]
address = 03
type = DIMMER4
firmware = 3.02
voltage = 35.7V
serial = 1301-2
groups = 38:09-0C

[unit]
address = 04
type = DIMMER4
firmware = 3.02
voltage = 35.6V
serial = 1301-3
groups = 38:0D-10

[unit]
address = 05
type = KEY5
firmware = 1.40
voltage = 36.1V
serial = 1401-4
groups = 38:01-05

[unit]
address = 06
type = PIRSENS
firmware = 1.05
voltage = 35.8V
serial = 1501-5
groups = 38:11

[unit]
address = 07
type = HVACCTL
firmware = 2.00
voltage = 35.9V
serial = 1601-6
groups = AC:01-02 19:01

[unit]
address = 08
type = SECPANEL
firmware = 4.12
voltage = 35.5V
serial = 1701-7
groups = D0:01 D5:01

[unit]
address = 09
type = CLOCKMST
firmware = 1.00
voltage = 36.0V
serial = 1801-8
groups = DF:01 E0:01

[unit]
address = 0A
type = AUDIOAMP
firmware = 2.31
voltage = 35.4V
serial = 1901-9
groups = CD:48-4F

[unit]
address = 0B
type = MEDIAGW
firmware = 1.22
voltage = 35.9V
serial = 2001-10
groups = C0:01-02 AD:01

[unit]
address = 0C
type = ENERGYMT
firmware = 1.01
voltage = 36.2V
serial = 2101-11
groups = E4:01 CE:01

[unit]
address = 0D
type = TOUCHSCR
firmware = 5.00
voltage = 35.3V
serial = 2201-12
groups = CA:01-04 CB:01-04 C9:01 39:01-04

[unit]
address = 0E
type = INT_VRX
firmware = 1.10
voltage = 35.8V
serial = 2301-13
groups = 39:05-0C

[unit]
address = 0F
type = HOST_NB
firmware = 4.00
voltage = 36.0V
serial = 2401-14

[unit]
address = 20
type = BRIDGE
firmware = 2.00
voltage = 35.9V
serial = 2501-15
bridge_to = 1
far_address = 01

[unit]
network = 1
address = 02
type = RELAY8
firmware = 2.10
voltage = 35.0V
serial = 2601-16
groups = 38:01-04

[unit]
network = 1
address = 03
type = KEY5
firmware = 1.40
voltage = 35.2V
serial = 2701-17
groups = 38:01-02

[levels]
network = 0
38 = 01:FF 02:FF 03:00 04:80 09:FF 0A:40 0D:C0 11:00
39 = 01:FF 05:80 06:00

[levels]
network = 1
38 = 01:FF 02:00
)";

struct Reader {
  const std::string& file;
  int line = 0;

  [[noreturn]] void Fail(const std::string& what) const {
    throw ConfigError(file + ":" + std::to_string(line) + ": " + what);
  }
  [[noreturn]] void BadValue(std::string_view section, std::string_view key, const std::string& what) const {
    Fail("key '" + std::string(key) + "' in [" + std::string(section) + "]: " + what);
  }
};

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool ParseHex(std::string_view s, int maxValue, int& out) {
  if (s.empty() || s.size() > 8) return false;
  unsigned value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 16);
  if (ec != std::errc() || end != s.data() + s.size() || value > static_cast<unsigned>(maxValue)) return false;
  out = static_cast<int>(value);
  return true;
}

bool ParseDecimal(std::string_view s, long long maxValue, long long& out) {
  if (s.empty()) return false;
  long long value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
  if (ec != std::errc() || end != s.data() + s.size() || value < 0 || value > maxValue) return false;
  out = value;
  return true;
}

// "162-63" (the form the tool shows) or eight hex digits.
bool ParseSerial(std::string_view s, std::uint32_t& out) {
  auto dash = s.find('-');
  if (dash != std::string_view::npos) {
    long long hi = 0, lo = 0;
    if (!ParseDecimal(s.substr(0, dash), 0xFFFFF, hi) || !ParseDecimal(s.substr(dash + 1), 0xFFF, lo)) return false;
    out = static_cast<std::uint32_t>((hi << 12) | lo);
    return true;
  }
  if (s.size() != 8) return false;
  unsigned value = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 16);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  out = value;
  return true;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == ';')) ++i;
    std::size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t' && s[i] != ';') ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

// "38:01-08,0A 39:10" -> application -> groups.
bool ParseGroups(std::string_view s, std::map<int, std::vector<int>>& out, std::string& why) {
  for (auto word : Words(s)) {
    auto colon = word.find(':');
    int app = 0;
    if (colon == std::string_view::npos || !ParseHex(word.substr(0, colon), 255, app)) {
      why = "expected application:groups, got '" + std::string(word) + "'";
      return false;
    }
    std::string_view list = word.substr(colon + 1);
    auto& groups = out[app];
    while (!list.empty()) {
      auto comma = list.find(',');
      std::string_view item = list.substr(0, comma);
      list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
      auto dash = item.find('-');
      int first = 0, last = 0;
      bool ok = dash == std::string_view::npos
                    ? ParseHex(item, 255, first) && (last = first, true)
                    : ParseHex(item.substr(0, dash), 255, first) && ParseHex(item.substr(dash + 1), 255, last);
      if (!ok || last < first) {
        why = "expected a group or a range of hex groups, got '" + std::string(item) + "'";
        return false;
      }
      for (int g = first; g <= last; ++g) groups.push_back(g);
    }
  }
  return true;
}

// The six-bit packed names hold the characters "!" to "`" only.
bool Packable(std::string_view s) {
  if (s.size() > 8) return false;
  for (char c : s)
    if (static_cast<unsigned char>(c) < 33 || static_cast<unsigned char>(c) > 96 || c == '?') return false;
  return true;
}

}  // namespace

NetworkConfig ParseNetworkIni(std::string_view text, const std::string& fileName) {
  NetworkConfig config;
  config.Source = fileName;
  Reader r{fileName};
  std::string section;
  UnitConfig* unit = nullptr;
  std::set<std::string> seenKeys;
  int levelNetwork = 0;
  bool sawNetwork = false, sawPci = false;

  auto text8 = [&](std::string_view key, std::string_view value, std::size_t max) {
    if (value.size() > max) r.BadValue(section, key, "at most " + std::to_string(max) + " characters");
    for (char c : value)
      if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
        r.BadValue(section, key, "printable characters only");
    return std::string(value);
  };
  auto hexByte = [&](std::string_view key, std::string_view value) {
    int v = 0;
    if (!ParseHex(value, 255, v)) r.BadValue(section, key, "expected a hex byte, got '" + std::string(value) + "'");
    return v;
  };
  auto network = [&](std::string_view key, std::string_view value) {
    long long v = 0;
    if (!ParseDecimal(value, 255, v))
      r.BadValue(section, key, "expected a network number 0 to 255, got '" + std::string(value) + "'");
    return static_cast<int>(v);
  };
  auto serial = [&](std::string_view key, std::string_view value) {
    std::uint32_t v = 0;
    if (!ParseSerial(value, v))
      r.BadValue(section, key,
                 "expected N-M (N < 1048576, M < 4096) or 8 hex digits, got '" + std::string(value) + "'");
    return v;
  };

  std::size_t pos = 0;
  while (pos <= text.size()) {
    auto eol = text.find('\n', pos);
    std::string_view raw = text.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
    pos = eol == std::string_view::npos ? text.size() + 1 : eol + 1;
    ++r.line;
    std::string_view line = Trimmed(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') {
      if (line.back() != ']') r.Fail("section header without ']'");
      section = std::string(Trimmed(line.substr(1, line.size() - 2)));
      seenKeys.clear();
      unit = nullptr;
      if (section == "unit") {
        config.Units.emplace_back();
        unit = &config.Units.back();
        unit->Line = r.line;
      } else if (section == "network") {
        if (sawNetwork) r.Fail("a second [network] section");
        sawNetwork = true;
      } else if (section == "pci") {
        if (sawPci) r.Fail("a second [pci] section");
        sawPci = true;
      } else if (section == "levels") {
        levelNetwork = 0;
      } else {
        r.Fail("unknown section [" + section + "] (expected network, pci, unit or levels)");
      }
      continue;
    }
    auto eq = line.find('=');
    if (eq == std::string_view::npos) r.Fail("expected key = value, got '" + std::string(line) + "'");
    std::string key(Trimmed(line.substr(0, eq)));
    std::string_view value = Trimmed(line.substr(eq + 1));
    if (section.empty()) r.Fail("key '" + key + "' before any section");
    if (section != "levels" && !seenKeys.insert(key).second)
      r.Fail("key '" + key + "' given twice in [" + section + "]");

    if (section == "network") {
      if (key == "seed") {
        long long v = 0;
        if (!ParseDecimal(value, 0x7FFFFFFFFFFFFFFF, v)) r.BadValue(section, key, "expected a decimal number");
        config.Seed = static_cast<std::uint64_t>(v);
      } else if (key == "traffic") {
        double v = -1;
        std::istringstream in{std::string(value)};
        in >> v;
        if (!in || !in.eof() || v < 0 || v > 100000)
          r.BadValue(section, key, "expected messages per second, 0 to 100000");
        config.TrafficRate = v;
      } else {
        r.Fail("unknown key '" + key + "' in [network] (expected seed, traffic)");
      }
    } else if (section == "pci") {
      PciConfig& p = config.Pci;
      if (key == "address")
        p.Address = hexByte(key, value);
      else if (key == "version")
        p.Version = text8(key, value, 8);
      else if (key == "manufacturer")
        p.Manufacturer = text8(key, value, 8);
      else if (key == "type")
        p.Type = text8(key, value, 8);
      else if (key == "project" || key == "part") {
        if (!Packable(value)) r.BadValue(section, key, "at most 8 characters from '!' to '`' (upper case, no '?')");
        (key == "project" ? p.Project : p.PartName) = std::string(value);
      } else if (key == "serial")
        p.Serial = serial(key, value);
      else if (key == "voltage")
        p.Voltage = text8(key, value, 5);
      else if (key == "options1")
        p.Options1 = hexByte(key, value);
      else if (key == "options2")
        p.Options2 = hexByte(key, value);
      else if (key == "options3")
        p.Options3 = hexByte(key, value);
      else if (key == "monitor1")
        p.Monitor1 = hexByte(key, value);
      else if (key == "monitor2")
        p.Monitor2 = hexByte(key, value);
      else
        r.Fail("unknown key '" + key +
               "' in [pci] (expected address, version, manufacturer, type, project, part, serial, voltage, "
               "options1, options2, options3, monitor1, monitor2)");
    } else if (section == "unit") {
      UnitConfig& u = *unit;
      if (key == "network")
        u.Network = network(key, value);
      else if (key == "address")
        u.Address = hexByte(key, value);
      else if (key == "type")
        u.Type = text8(key, value, 8);
      else if (key == "manufacturer")
        u.Manufacturer = text8(key, value, 8);
      else if (key == "firmware")
        u.Firmware = text8(key, value, 8);
      else if (key == "voltage")
        u.Voltage = text8(key, value, 5);
      else if (key == "serial")
        u.Serial = serial(key, value);
      else if (key == "groups") {
        std::string why;
        if (!ParseGroups(value, u.Groups, why)) r.BadValue(section, key, why);
      } else if (key == "bridge_to")
        u.BridgeTo = network(key, value);
      else if (key == "far_address")
        u.FarAddress = hexByte(key, value);
      else
        r.Fail("unknown key '" + key +
               "' in [unit] (expected network, address, type, manufacturer, firmware, voltage, serial, groups, "
               "bridge_to, far_address)");
    } else {  // levels
      if (key == "network") {
        levelNetwork = network(key, value);
        continue;
      }
      int app = 0;
      if (!ParseHex(key, 255, app))
        r.Fail("key '" + key + "' in [levels]: expected network or a hex application number");
      for (auto word : Words(value)) {
        auto colon = word.find(':');
        int group = 0, level = 0;
        if (colon == std::string_view::npos || !ParseHex(word.substr(0, colon), 255, group) ||
            !ParseHex(word.substr(colon + 1), 255, level))
          r.BadValue(section, key, "expected group:level in hex, got '" + std::string(word) + "'");
        config.Levels.push_back({levelNetwork, app, group, level});
      }
    }
  }

  // Whole-file checks: every unit has an address, every network is reached.
  std::set<int> reached{0};
  for (const auto& u : config.Units) {
    r.line = u.Line;
    if (u.BridgeTo == 0) r.Fail("[unit] bridge_to 0: the local network is not behind a bridge");
    if (u.BridgeTo == u.Network) r.Fail("[unit] bridge_to leads back to its own network");
    if (u.BridgeTo > 0 && !reached.insert(u.BridgeTo).second)
      r.Fail("[unit] bridge_to " + std::to_string(u.BridgeTo) + ": a second bridge to that network");
  }
  for (auto& u : config.Units) {
    r.line = u.Line;
    if (u.Type.empty()) u.Type = u.BridgeTo > 0 ? "BRIDGE" : "UNIT";
    if (u.Manufacturer.empty()) u.Manufacturer = config.Pci.Manufacturer;
    if (u.Firmware.empty()) u.Firmware = "1.00";
    if (u.Voltage.empty()) u.Voltage = "36.0V";
    if (!reached.count(u.Network))
      r.Fail("[unit] network " + std::to_string(u.Network) + " is reached by no bridge (bridge_to)");
    if (u.Network == 0 && u.Address == config.Pci.Address)
      r.Fail("[unit] address " + std::to_string(u.Address) + " is the PC Interface's own address");
  }
  // A network must hang off the local one through a chain of bridges.
  for (const auto& u : config.Units) {
    if (u.BridgeTo <= 0) continue;
    std::set<int> seen;
    int net = u.Network;
    while (net != 0) {
      if (!seen.insert(net).second) {
        r.line = u.Line;
        r.Fail("[unit] bridges form a loop that never reaches the local network");
      }
      int up = -1;
      for (const auto& b : config.Units)
        if (b.BridgeTo == net) up = b.Network;
      if (up < 0) break;
      net = up;
    }
  }
  return config;
}

NetworkConfig LoadNetworkFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ConfigError(path + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return ParseNetworkIni(text.str(), path);
}

std::string_view DefaultNetworkIni() { return kDefaultIni; }

NetworkConfig DefaultNetwork() { return ParseNetworkIni(kDefaultIni, "(built-in network)"); }

}  // namespace zelvo::sim
