#include "sim/SimulatedPci.h"

#include <algorithm>
#include <array>
#include <limits>

namespace zelvo::sim {

namespace {

constexpr std::int64_t kConfirmDelayMs = 20;              // a command's confirmation
constexpr std::int64_t kReplyDelayMs = 40;                // the first reply to it
constexpr std::int64_t kReplyGapMs = 30;                  // each further reply
constexpr std::size_t kMaxLine = 250;                     // longer lines overflow the buffer: "!"
constexpr int kBaseClockSeconds = 9 * 3600 + 5 * 60 + 7;  // time of day at 0 ms

constexpr std::uint8_t kSmart = 0x10, kConnect = 0x01, kChecksum = 0x08, kMonitor = 0x20, kIdmon = 0x40;
constexpr std::uint8_t kAllMonitorBits = 0x52;  // All Monitor, SMART, IDMON
constexpr std::uint8_t kAllMonitorValue = 0x48;

constexpr std::array<std::string_view, kFaultCount> kFaultNames = {
    "no-answer", "ack-only", "drop-after", "corrupt-byte", "no-clock", "corrupt-transmission", "delay-replies"};

bool IsAck(char c) { return c >= 'g' && c <= 'z'; }

bool IsPciType(std::string_view type) {
  for (auto t : {"HOST_IF", "HOSTIF", "HOST_NB", "HOSTNB"})
    if (type.find(t) != std::string_view::npos) return true;
  return false;
}

bool IsProtected(int location) {
  return location == 0x20 || location == 0x3F || (location >= 0xF3 && location <= 0xF6);
}

// The key a unit hands out for a write of one of the interface registers
// that a remote tool may only change with it; 00 for every other location.
std::uint8_t KeyFor(const SimUnit& u, int location) {
  if (!IsPciType(u.Type) || (location != 0x30 && location != 0x21 && location != 0x22)) return 0;
  // Odd, so the key byte repeated after a value never reads as a command of
  // its own with no parameters.
  return static_cast<std::uint8_t>(((u.Serial ^ static_cast<unsigned>(location) ^ 0x5Au) & 0xFF) | 1u);
}

Bytes Padded(std::string_view text, std::size_t size) {
  Bytes out;
  for (std::size_t i = 0; i < size; ++i) out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ');
  return out;
}

// Command lengths as on the bus: the low three bits below 80, the low five
// from 80 on; FA of the network control application has two.
int ParameterCount(std::uint8_t c, int app) {
  if (c < 0x80 || (c == 0xFA && app == 0xFF)) return c == 0xFA ? 2 : c & 7;
  return c & 0x1F;
}

template <typename F>
void WalkCommands(const Bytes& data, std::size_t start, int app, F each) {
  std::size_t k = start;
  while (k < data.size()) {
    int len = ParameterCount(data[k], app);
    if (k + 1 + static_cast<std::size_t>(len) > data.size()) return;
    each(data[k], Bytes(data.begin() + static_cast<long>(k) + 1, data.begin() + static_cast<long>(k) + 1 + len));
    k += 1 + static_cast<std::size_t>(len);
  }
}

void FillUnit(SimUnit& u, const std::string& project, const std::string& partName) {
  std::fill(std::begin(u.Eeprom), std::end(u.Eeprom), std::uint8_t{0xFF});
  u.Eeprom[0x20] = static_cast<std::uint8_t>(u.Address);
  auto proj = PackName(project);
  auto part = PackName(partName);
  for (int i = 0; i < 6; ++i) {
    u.Eeprom[0x23 + i] = proj[static_cast<std::size_t>(i)];
    u.Eeprom[0x2A + i] = part[static_cast<std::size_t>(i)];
  }
  u.Eeprom[0x3F] = 0xA5;  // a protected configuration byte
  // The groups the unit serves, in order, from location 80.
  int at = 0x80;
  for (const auto& [app, groups] : u.Groups)
    for (int g : groups)
      if (at < 0xF0) u.Eeprom[at++] = static_cast<std::uint8_t>(g);
  for (int i = 0; i < 4; ++i) u.Eeprom[0xF3 + i] = static_cast<std::uint8_t>(u.Serial >> (24 - 8 * i));
  auto type = Padded(u.Type, 8);
  for (int i = 0; i < 8; ++i) u.Eeprom[0xF7 + i] = type[static_cast<std::size_t>(i)];
  if (IsPciType(u.Type)) {
    u.Eeprom[0x21] = 0xFF;
    u.Eeprom[0x22] = 0xFF;
    u.Eeprom[0x30] = 0x51;
    u.Eeprom[0x3E] = 0x01;
    u.Eeprom[0x40] = 0x00;
    u.Eeprom[0x41] = 0x00;
    u.Eeprom[0x42] = 0x00;
  }
}

}  // namespace

std::string_view FaultName(Fault f) { return kFaultNames[static_cast<std::size_t>(f)]; }

std::optional<Fault> FaultFromName(std::string_view name) {
  for (int i = 0; i < kFaultCount; ++i)
    if (kFaultNames[static_cast<std::size_t>(i)] == name) return static_cast<Fault>(i);
  return std::nullopt;
}

SimulatedPci::SimulatedPci() : SimulatedPci(DefaultNetwork()) {}

SimulatedPci::SimulatedPci(const NetworkConfig& config) : SimulatedPci(config, config.Seed) {}

SimulatedPci::SimulatedPci(const NetworkConfig& config, std::uint64_t seed) : rng_(seed) {
  const PciConfig& p = config.Pci;
  SimUnit pciUnit;
  pciUnit.Address = p.Address;
  pciUnit.Type = p.Type;
  pciUnit.Manufacturer = p.Manufacturer;
  pciUnit.Firmware = p.Version;
  pciUnit.Voltage = p.Voltage;
  pciUnit.Serial = p.Serial;
  pciUnit.IsLocalPci = true;
  FillUnit(pciUnit, p.Project, p.PartName);
  pciUnit.Eeprom[0x21] = static_cast<std::uint8_t>(p.Monitor1);
  pciUnit.Eeprom[0x22] = static_cast<std::uint8_t>(p.Monitor2);
  pciUnit.Eeprom[0x3E] = static_cast<std::uint8_t>(p.Options2);
  pciUnit.Eeprom[0x41] = static_cast<std::uint8_t>(p.Options1);
  pciUnit.Eeprom[0x30] = static_cast<std::uint8_t>(p.Options1);  // power-up settings
  pciUnit.Eeprom[0x42] = static_cast<std::uint8_t>(p.Options3);
  pciUnit.Eeprom[0x40] = 0;
  units_.push_back(std::move(pciUnit));

  for (const auto& c : config.Units) {
    SimUnit u;
    u.Network = c.Network;
    u.Address = c.Address;
    u.Type = c.Type;
    u.Manufacturer = c.Manufacturer;
    u.Firmware = c.Firmware;
    u.Voltage = c.Voltage;
    u.Serial = c.Serial;
    u.Groups = c.Groups;
    u.BridgeTo = c.BridgeTo;
    u.FarAddress = c.FarAddress;
    std::string part;
    for (char ch : c.Type) part += (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch;
    FillUnit(u, p.Project, part);
    units_.push_back(std::move(u));
  }

  // RAM: repeatable noise, from its own generator so that it does not shift
  // the traffic that the seed gives.
  Rng ramRng(seed ^ 0x52414D52414D5241ull);
  for (auto& u : units_)
    for (auto& b : u.Ram) b = ramRng.Byte();

  for (const auto& u : units_)
    for (const auto& [app, groups] : u.Groups) {
      auto& levels = levels_[u.Network][app];
      if (levels.empty()) levels.assign(256, -1);
      for (int g : groups)
        if (levels[static_cast<std::size_t>(g)] < 0) levels[static_cast<std::size_t>(g)] = 0;
    }
  for (const auto& l : config.Levels) {
    auto& levels = levels_[l.Network][l.Application];
    if (levels.empty()) levels.assign(256, -1);
    levels[static_cast<std::size_t>(l.Group)] = l.Level;
  }
  trafficRate_ = config.TrafficRate;
  if (trafficRate_ > 0) SetTrafficRate(trafficRate_);
}

// --- Faults -----------------------------------------------------------------

void SimulatedPci::SetFault(Fault f, int parameter) {
  int i = static_cast<int>(f);
  faults_[i] = true;
  if (parameter <= 0 && f == Fault::CorruptByte) parameter = 1;
  if (parameter <= 0 && f == Fault::DelayedReplies) parameter = 2500;
  faultParameter_[i] = std::max(parameter, 0);
  if (f == Fault::DropAfterBytes) sentBytes_ = 0;  // counted from now on
}

void SimulatedPci::ClearFault(Fault f) { faults_[static_cast<int>(f)] = false; }

void SimulatedPci::ClearFaults() {
  for (auto& f : faults_) f = false;
}

// --- Output -------------------------------------------------------------------

void SimulatedPci::Queue(std::int64_t at, std::string text) {
  if (HasFault(Fault::NoAnswer) || text.empty()) return;
  out_.emplace(at, std::move(text));
}

void SimulatedPci::QueueLine(std::int64_t at, std::string line) {
  if (HasFault(Fault::NoAnswer) || HasFault(Fault::AckOnly)) return;
  ++lineCount_;
  int every = faultParameter_[static_cast<int>(Fault::CorruptByte)];
  if (HasFault(Fault::CorruptByte) && every > 0 && lineCount_ % every == 0 && !line.empty()) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    auto pos = static_cast<std::size_t>(rng_.Below(static_cast<int>(line.size())));
    char old = line[pos];
    char now = old;
    while (now == old) now = kDigits[rng_.Below(16)];
    line[pos] = now;
  }
  Queue(at, std::move(line) + "\r\n");
}

std::int64_t SimulatedPci::ReplyTime(std::int64_t now, int index) const {
  std::int64_t t = now + kReplyDelayMs + kReplyGapMs * index;
  if (HasFault(Fault::DelayedReplies)) t += faultParameter_[static_cast<int>(Fault::DelayedReplies)];
  return t;
}

void SimulatedPci::Confirm(char ack, char result, std::int64_t now) {
  if (HasFault(Fault::AckOnly)) {
    if (ack) Queue(now + kConfirmDelayMs, std::string(1, ack));
    return;
  }
  if (ack)
    Queue(now + kConfirmDelayMs, std::string{ack, result});
  else if (result == '!')
    Queue(now + kConfirmDelayMs, "!");
}

SimulatedPci::Route SimulatedPci::RouteTo(int network) const {
  Route r;
  r.Network = network;
  int net = network;
  while (net != 0) {
    const SimUnit* bridge = nullptr;
    for (const auto& u : units_)
      if (u.BridgeTo == net) bridge = &u;
    if (!bridge) break;
    r.Bridges.insert(r.Bridges.begin(), bridge->Address);
    net = bridge->Network;
  }
  return r;
}

bool SimulatedPci::ResolveRoute(const std::vector<int>& bridges, Route& out) const {
  int net = 0;
  for (int address : bridges) {
    const SimUnit* bridge = nullptr;
    for (const auto& u : units_)
      if (u.Network == net && u.Address == address && u.BridgeTo > 0) bridge = &u;
    if (!bridge) return false;
    net = bridge->BridgeTo;
  }
  out.Bridges = bridges;
  out.Network = net;
  return true;
}

void SimulatedPci::PassUp(std::int64_t at, FrameKind kind, int network, int source, const Bytes& body,
                          bool fromLocalPci) {
  if (HasFault(Fault::NoAnswer) || HasFault(Fault::AckOnly) || body.empty()) return;
  const int options = Options1();
  const bool smart = (options & kSmart) != 0;
  const auto p = static_cast<std::uint8_t>(Address());
  const Route route = RouteTo(network);
  const auto n = static_cast<std::uint8_t>(route.Bridges.size());
  auto b = [](int v) { return static_cast<std::uint8_t>(v); };

  // The routed part of a header: first bridge, the interface, the count, the
  // other bridges, then the unit itself.
  auto routed = [&](std::uint8_t header, std::uint8_t second, int unit) {
    Bytes f = {header, b(route.Bridges[0]), second, n};
    for (std::size_t i = 1; i < route.Bridges.size(); ++i) f.push_back(b(route.Bridges[i]));
    f.push_back(b(unit));
    return f;
  };

  Bytes f;
  std::optional<std::uint8_t> trailer;
  if (kind == FrameKind::Sal) {
    const int app = body[0];
    const bool wanted = allMonitor_ || (options & kMonitor) || Register(0x21) == 0xFF || Register(0x22) == 0xFF ||
                        Register(0x21) == app || Register(0x22) == app;
    if (!wanted) return;
    if (smart || allMonitor_) {
      f = n == 0 ? Bytes{0x05, b(source), b(app), 0x00} : routed(0x05, b(app), source);
    } else {
      f = n == 0 ? Bytes{0x05, b(source), b(app)} : Bytes{0x00, b(app)};
    }
    f.insert(f.end(), body.begin() + 1, body.end());
    if (allMonitor_) trailer = 0x35;
  } else if (kind == FrameKind::Reply) {
    if (allMonitor_ || (smart && (!fromLocalPci || (options & kIdmon)))) {
      if (fromLocalPci)
        f = {0x86, p, p, 0x00};
      else
        f = n == 0 ? Bytes{0x86, b(source), p, 0x00} : routed(0x86, p, source);
    }
    f.insert(f.end(), body.begin(), body.end());
    if (allMonitor_) trailer = 0x9A;
  } else if (kind == FrameKind::Status) {
    if ((smart || allMonitor_) && n > 0) {
      int far = 0;
      for (const auto& u : units_)
        if (u.BridgeTo == network) far = u.FarAddress;
      f = routed(0x86, p, far);
    }
    f.insert(f.end(), body.begin(), body.end());
  } else {  // a unit's periodic status report: seen only in all-monitor mode
    if (!allMonitor_) return;
    f = n == 0 ? Bytes{0x05, b(source), body[0], 0x90} : routed(0x05, body[0], source);
    if (n > 0) f.push_back(0x90);
    f.insert(f.end(), body.begin() + 1, body.end());
  }
  f.push_back(ChecksumOf(f));
  if (trailer) f.push_back(*trailer);
  QueueLine(at, HexOfBytes(f));
}

std::string SimulatedPci::TakeOutput(std::int64_t nowMs) {
  Seen(nowMs);
  RunTraffic(nowMs);
  std::string result;
  if (dropped_) return result;
  while (!out_.empty() && out_.begin()->first <= nowMs) {
    result += out_.begin()->second;
    out_.erase(out_.begin());
  }
  if (HasFault(Fault::DropAfterBytes)) {
    auto limit = static_cast<std::int64_t>(faultParameter_[static_cast<int>(Fault::DropAfterBytes)]);
    if (sentBytes_ + static_cast<std::int64_t>(result.size()) >= limit) {
      result.resize(static_cast<std::size_t>(std::max<std::int64_t>(0, limit - sentBytes_)));
      dropped_ = true;
      out_.clear();
    }
  }
  sentBytes_ += static_cast<std::int64_t>(result.size());
  return result;
}

std::int64_t SimulatedPci::NextOutputMs() const {
  std::int64_t next = std::numeric_limits<std::int64_t>::max();
  if (!out_.empty()) next = out_.begin()->first;
  if (trafficRate_ > 0 && !HasFault(Fault::NoBusClock)) next = std::min(next, nextTrafficUs_ / 1000);
  return next;
}

void SimulatedPci::Connect() {
  out_.clear();
  line_.clear();
  lineOverflow_ = false;
  dropped_ = false;
  sentBytes_ = 0;
}

// --- Input --------------------------------------------------------------------

void SimulatedPci::Receive(std::string_view bytes, std::int64_t nowMs) {
  Seen(nowMs);
  RunTraffic(nowMs);  // whatever the bus did before these bytes came first
  if (dropped_ || HasFault(Fault::NoAnswer)) return;
  for (char c : bytes) Char(c, nowMs);
}

void SimulatedPci::ResetToBasic() {
  pci().Eeprom[0x30] = 0;
  pci().Eeprom[0x40] = 0;
  pci().Unlocked = -1;
  allMonitor_ = false;
  lastBridges_.clear();
  lastUnit_ = -1;
}

void SimulatedPci::Char(char c, std::int64_t now) {
  const bool ackOnly = HasFault(Fault::AckOnly);
  if (c == '~') {  // a reset, whatever came before it on the line
    ResetToBasic();
    line_.clear();
    lineOverflow_ = false;
    if (!ackOnly) Queue(now, "~");
    return;
  }
  if (c == '|') {  // smart mode; never echoed, even from basic mode
    pci().Eeprom[0x30] |= kSmart | kConnect;
    line_.clear();
    lineOverflow_ = false;
    return;
  }
  if (!SmartMode() && !allMonitor_ && !ackOnly) Queue(now, std::string(1, c));  // basic mode echoes
  if (c == '\r') {
    std::string line;
    line.swap(line_);
    if (lineOverflow_) {
      lineOverflow_ = false;
      Confirm(IsAck(lastChar_) ? lastChar_ : 0, '!', now);
      return;
    }
    Line(line, now);
    return;
  }
  if (c == '\n') return;
  lastChar_ = c;
  if (line_.size() >= kMaxLine)
    lineOverflow_ = true;
  else
    line_ += c;
}

void SimulatedPci::Line(const std::string& line, std::int64_t now) {
  std::string_view s = line;
  char ack = 0;
  if (!s.empty() && IsAck(s.back())) {
    ack = s.back();
    s.remove_suffix(1);
  }
  if (s.empty()) return;
  const char prefix = s[0];
  std::string_view hex = (prefix == '\\' || prefix == '@') ? s.substr(1) : s;
  Bytes b;
  if (!BytesOfHex(hex, b) || b.empty()) {
    Confirm(ack, '!', now);
    return;
  }
  if (Options1() & kChecksum) {
    if (b.size() < 2 || ChecksumOf(b) != 0) {
      Confirm(ack, '!', now);
      return;
    }
    b.pop_back();
  }

  auto busFault = [&]() {
    if (HasFault(Fault::NoBusClock)) return Confirm(ack, '%', now), true;
    if (HasFault(Fault::CorruptedTransmission)) return Confirm(ack, '$', now), true;
    return false;
  };
  auto calToUnit = [&](const std::vector<int>& bridges, int address, const Bytes& data) {
    if (busFault()) return;
    Route route;
    SimUnit* unit = ResolveRoute(bridges, route) ? FindOnNetwork(route.Network, address) : nullptr;
    if (!unit) return Confirm(ack, '#', now);
    Confirm(ack, '.', now);
    Cal(*unit, route.Network, address, false, data, now);
  };

  if (prefix == '@') {
    Confirm(ack, '.', now);
    Cal(pci(), 0, Address(), true, b, now);
    return;
  }
  if (prefix != '\\') {  // a bare command goes where the last point-to-point one went
    if (lastUnit_ < 0) {
      Confirm(ack, '.', now);
      Cal(pci(), 0, Address(), true, b, now);
    } else {
      calToUnit(lastBridges_, lastUnit_, b);
    }
    return;
  }

  // Sent form: header, first byte, route byte (9 per bridge), bridges 2..n,
  // then the application or unit, then the data.
  if (b.size() < 3) return Confirm(ack, '!', now);
  const std::size_t n = b[2] / 9;
  if (b.size() < n + 3) return Confirm(ack, '!', now);
  std::vector<int> bridges;
  int target = b[1];
  std::size_t dataStart = 3;
  if (n > 0) {
    bridges.push_back(b[1]);
    for (std::size_t i = 3; i < n + 2; ++i) bridges.push_back(b[i]);
    target = b[n + 2];
    dataStart = n + 3;
  }
  Bytes data(b.begin() + static_cast<long>(dataStart), b.end());
  const int kindBits = b[0] & 7;

  if (kindBits == 6) {
    if (bridges.empty() && target == Address()) {
      lastBridges_.clear();
      lastUnit_ = -1;
      Confirm(ack, '.', now);
      Cal(pci(), 0, Address(), true, data, now);
      return;
    }
    lastBridges_ = bridges;
    lastUnit_ = target;
    calToUnit(bridges, target, data);
    return;
  }
  if (kindBits == 5 || kindBits == 3) {
    if (busFault()) return;
    Route route;
    if (!ResolveRoute(bridges, route)) return Confirm(ack, '#', now);
    Confirm(ack, '.', now);
    Sal(route, target, data, now);
    return;
  }
  Confirm(ack, '!', now);
}

// --- The network ------------------------------------------------------------------

SimUnit* SimulatedPci::FindOnNetwork(int network, int address) {
  for (auto& u : units_)
    if (u.Network == network && u.Address == address) return &u;
  // A bridge is also a unit of the network behind it.
  for (auto& u : units_)
    if (u.BridgeTo == network && u.FarAddress == address) return &u;
  return nullptr;
}

const SimUnit* SimulatedPci::FindUnit(int network, int address) const {
  return const_cast<SimulatedPci*>(this)->FindOnNetwork(network, address);
}

SimUnit* SimulatedPci::FindUnit(int network, int address) { return FindOnNetwork(network, address); }

int SimulatedPci::GroupLevel(int application, int group, int network) const {
  auto net = levels_.find(network);
  if (net == levels_.end()) return -1;
  auto app = net->second.find(application);
  if (app == net->second.end() || group < 0 || group > 255) return -1;
  return app->second[static_cast<std::size_t>(group)];
}

void SimulatedPci::ApplyLighting(int network, int app, const Bytes& commands) {
  auto net = levels_.find(network);
  if (net == levels_.end()) return;
  auto it = net->second.find(app);
  if (it == net->second.end()) return;
  auto& levels = it->second;
  WalkCommands(commands, 0, app, [&](std::uint8_t c, const Bytes& p) {
    if (p.empty()) return;
    int& level = levels[p[0]];
    if (level < 0) return;  // no unit serves that group
    if (c == 0x01)
      level = 0;
    else if (c == 0x79)
      level = 255;
    else if ((c & 0x87) == 0x02 && p.size() >= 2)
      level = p[1];  // ramps reach their target at once
  });
}

std::vector<std::uint8_t> SimulatedPci::StatusStates(int network, int app) const {
  std::vector<std::uint8_t> states(256, 0);
  if (app == 0xFF) {
    std::array<int, 256> count{};
    for (const auto& u : units_) {
      if (u.Network == network) ++count[static_cast<std::size_t>(u.Address)];
      if (u.BridgeTo == network) ++count[static_cast<std::size_t>(u.FarAddress)];
    }
    for (int a = 0; a < 256; ++a) {
      int c = count[static_cast<std::size_t>(a)];
      states[static_cast<std::size_t>(a)] = c == 0 ? 0 : c == 1 ? 1 : 3;
    }
    return states;
  }
  for (int g = 0; g < 256; ++g) {
    int level = GroupLevel(app, g, network);
    states[static_cast<std::size_t>(g)] = level < 0 ? 0 : level > 0 ? 1 : 2;
  }
  return states;
}

void SimulatedPci::Mmi(int network, int app, int blockStart, bool level, std::int64_t now, int& replyIndex) {
  const bool remote = network != 0;
  const bool extended = (Register(0x42) & 0x08) != 0;  // EXSTAT
  auto b = [](int v) { return static_cast<std::uint8_t>(v); };
  if (level) {
    // One block of 32 groups, eight groups (two bytes each) per reply.
    const int end = std::min(blockStart + 32, 256);
    for (int start = blockStart; start < end; start += 8) {
      const int count = std::min(8, end - start);
      Bytes r = {b(0xE3 + 2 * count), b(0x07 | (remote ? 0x40 : 0)), b(app), b(start)};
      for (int g = start; g < start + count; ++g) {
        int v = GroupLevel(app, g, network);
        if (v < 0) {
          r.insert(r.end(), {0x00, 0x00});
        } else {
          r.push_back(EncodeLevelNibble(v & 0xF));
          r.push_back(EncodeLevelNibble(v >> 4));
        }
      }
      PassUp(ReplyTime(now, replyIndex++), FrameKind::Status, network, 0, r);
    }
    return;
  }
  // Installation or application status: four 2-bit states a byte, 64
  // addresses a reply, up to the end of the range.
  const auto states = StatusStates(network, app);
  for (int start = blockStart & ~3; start < 256; start += 64) {
    const int bytes = std::min(64, 256 - start) / 4;
    Bytes r = extended ? Bytes{b(0xE3 + bytes), b(remote ? 0x40 : 0x00), b(app), b(start)}
                       : Bytes{b(0xC2 + bytes), b(app), b(start)};
    for (int i = 0; i < bytes; ++i) {
      std::size_t a = static_cast<std::size_t>(start + 4 * i);
      r.push_back(b(states[a] | states[a + 1] << 2 | states[a + 2] << 4 | states[a + 3] << 6));
    }
    PassUp(ReplyTime(now, replyIndex++), FrameKind::Status, network, 0, r);
  }
}

void SimulatedPci::Sal(const Route& route, int app, const Bytes& commands, std::int64_t now) {
  if (app == 0xFF) {
    int replyIndex = 0;
    WalkCommands(commands, 0, app, [&](std::uint8_t c, const Bytes& p) {
      if ((c == 0x7A || c == 0xFA) && p.size() == 2) Mmi(route.Network, p[0], p[1], false, now, replyIndex);
      if (c == 0x73 && p.size() == 3 && p[0] == 0x07) Mmi(route.Network, p[1], p[2], true, now, replyIndex);
    });
    return;
  }
  if (IsLightingApplication(app)) ApplyLighting(route.Network, app, commands);
}

void SimulatedPci::Cal(SimUnit& unit, int network, int address, bool local, const Bytes& data, std::int64_t now) {
  int replyIndex = 0;
  auto reply = [&](Bytes r) { PassUp(ReplyTime(now, replyIndex++), FrameKind::Reply, network, address, r, local); };
  auto b = [](int v) { return static_cast<std::uint8_t>(v); };

  WalkCommands(data, 0, -1, [&](std::uint8_t op, const Bytes& p) {
    if (op == 0x21 && p.size() == 1) {  // identify
      Bytes value;
      switch (p[0]) {
        case 0x00: value = Padded(unit.Manufacturer, 8); break;
        case 0x01: value.assign(unit.Eeprom + 0xF7, unit.Eeprom + 0xFF); break;
        case 0x02: value = Padded(unit.Firmware, 8); break;
        case 0x04:  // extended diagnostic summary: the serial number in bytes 6 to 9
          value.assign(12, 0);
          for (int i = 0; i < 4; ++i) value[static_cast<std::size_t>(5 + i)] = unit.Eeprom[0xF3 + i];
          break;
        case 0x07: value = Padded(unit.Voltage, 5); break;
        default: return;  // attributes this unit does not have: no reply
      }
      Bytes r = {b(0x80 + 1 + static_cast<int>(value.size())), p[0]};
      r.insert(r.end(), value.begin(), value.end());
      reply(r);
    } else if ((op == 0x1A || op == 0x2A) && p.size() == 2) {  // recall parameters (EEPROM) or RAM
      const int count = p[1];
      if (count < 1 || count > 29) return;
      const std::uint8_t* memory = op == 0x1A ? unit.Eeprom : unit.Ram;
      Bytes r = {b(0x80 + count + 1), p[0]};
      for (int i = 0; i < count; ++i) r.push_back(memory[(p[0] + i) & 0xFF]);
      reply(r);
    } else if (op == 0x11 && p.size() == 1) {  // open one location for the next write
      unit.Unlocked = p[0];
      reply({0x82, p[0], KeyFor(unit, p[0])});
    } else if (op >= 0xA0 && op <= 0xBF && p.size() >= 3) {  // write: location, key, values
      const int first = p[0];
      const std::uint8_t key = p[1];
      const std::size_t values = p.size() - 2;
      bool ok = true;
      if (!local && KeyFor(unit, first) != 0 && key != KeyFor(unit, first)) ok = false;
      for (std::size_t i = 0; i < values && first + static_cast<int>(i) <= 0xFF; ++i)
        if (IsProtected(first + static_cast<int>(i)) && unit.Unlocked != first) ok = false;
      unit.Unlocked = -1;
      if (ok) {
        for (std::size_t i = 0; i < values && first + static_cast<int>(i) <= 0xFF; ++i) {
          const int location = first + static_cast<int>(i);
          const std::uint8_t v = p[2 + i];
          unit.Eeprom[location] = v;
          if (location == 0x20 && unit.Network == network) unit.Address = v;
          if (location == 0x40 && unit.IsLocalPci) {
            allMonitor_ = v == kAllMonitorValue;
            if (allMonitor_) unit.Eeprom[0x30] |= kAllMonitorBits;
          }
        }
      }
      reply({0x32, b(first), b(ok ? 0x00 : 0x01)});
    }
  });
}

void SimulatedPci::UnitSends(int network, int address, int application, std::string_view commandsHex,
                             std::int64_t nowMs) {
  Seen(nowMs);
  RunTraffic(nowMs);
  Bytes commands;
  if (!BytesOfHex(commandsHex, commands) || HasFault(Fault::NoBusClock)) return;
  if (IsLightingApplication(application)) ApplyLighting(network, application, commands);
  Bytes body = {static_cast<std::uint8_t>(application)};
  body.insert(body.end(), commands.begin(), commands.end());
  PassUp(nowMs, FrameKind::Sal, network, address, body);
}

// --- Background traffic ---------------------------------------------------------

void SimulatedPci::SetTrafficRate(double perSecond) {
  trafficRate_ = perSecond > 0 ? perSecond : 0;
  nextTrafficUs_ = lastMs_ * 1000 + (trafficRate_ > 0 ? static_cast<std::int64_t>(1e6 / trafficRate_) : 0);
}

void SimulatedPci::RunTraffic(std::int64_t now) {
  if (trafficRate_ <= 0) return;
  const std::int64_t nowUs = now * 1000;
  // A clock that jumps far ahead (nobody asked for a while) does not bring a
  // flood of stale messages: at most the last second of them.
  if (nextTrafficUs_ < nowUs - 1'000'000) nextTrafficUs_ = nowUs - 1'000'000;
  const double meanUs = 1e6 / trafficRate_;
  std::vector<TrafficSource> sources;
  while (nextTrafficUs_ <= nowUs) {
    const std::int64_t at = nextTrafficUs_ / 1000;
    nextTrafficUs_ += std::max<std::int64_t>(1, static_cast<std::int64_t>(meanUs * (50 + rng_.Below(101)) / 100));
    if (HasFault(Fault::NoBusClock)) continue;
    if (sources.empty())
      for (const auto& u : units_)
        if (!u.IsLocalPci) sources.push_back({u.Network, u.Address, &u.Groups});
    auto m = traffic_.Next(rng_, sources, kBaseClockSeconds + at / 1000, allMonitor_);
    if (!m) return;
    if (m->StatusReport) {
      const auto states = StatusStates(m->Network, m->Application);
      Bytes body = {static_cast<std::uint8_t>(m->Application), 0x00};
      for (std::size_t a = 0; a < 64; a += 4)
        body.push_back(
            static_cast<std::uint8_t>(states[a] | states[a + 1] << 2 | states[a + 2] << 4 | states[a + 3] << 6));
      PassUp(at, FrameKind::StatusReport, m->Network, m->Source, body);
      continue;
    }
    if (IsLightingApplication(m->Application)) ApplyLighting(m->Network, m->Application, m->Commands);
    Bytes body = {static_cast<std::uint8_t>(m->Application)};
    body.insert(body.end(), m->Commands.begin(), m->Commands.end());
    PassUp(at, FrameKind::Sal, m->Network, m->Source, body);
  }
}

}  // namespace zelvo::sim
