#pragma once
// A simulated PC Interface with the network of units behind it.
//
// It is a byte pipe with a clock: feed it what the tool writes and ask it,
// for a given time, what the interface has sent back by then.
//
//   zelvo::sim::SimulatedPci pci;                  // the built-in network
//   pci.Receive("~~~\r", host.clockMs);            // bytes from the tool
//   std::string back = pci.TakeOutput(host.clockMs);  // "~~~\r": basic mode echoes
//
// Time is whatever the caller says (milliseconds, never going backwards), so
// a test's virtual clock drives it exactly: a confirmation is due 20 ms after
// the command, unit replies from 40 ms on, 30 ms apart. Plug it into a fake
// host's pump:  host.onPump = [&] { link.Deliver(pci.TakeOutput(host.clockMs)); };
// and have the fake link's Write call pci.Receive(bytes, host.clockMs).
// NextOutputMs() tells when something is next due (for a poll timeout).
//
// The interface keeps its option registers in its parameter memory
// (Register(0x30) is Interface Options 1, 0x41 its power-up value, 0x3E, 0x42,
// 0x21, 0x22, 0x20 the unit address, 0x40 all-monitor). "~" resets it to
// basic mode, "|" requests smart mode, writes A0..BF change the registers.
// Every form it sends is listed in docs/SIMULATOR.md.
//
// Randomness (background traffic, RAM contents, where a corrupted byte goes)
// comes from one seeded generator: the same seed and the same calls give the
// same bytes. Faults are named switches (SetFault).
//
// Not thread-safe; one client at a time (Connect() when a new one arrives).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Config.h"
#include "sim/Traffic.h"
#include "sim/Wire.h"

namespace zelvo::sim {

enum class Fault {
  NoAnswer,               // the interface is dead: it takes nothing and sends nothing
  AckOnly,                // only acknowledgement characters come back (no echo, no confirmation, no reply)
  DropAfterBytes,         // the connection drops after `parameter` bytes sent (see Dropped)
  CorruptByte,            // one hex digit of every `parameter`-th line (default 1) is changed
  NoBusClock,             // bus commands are confirmed "%" and not sent; no bus traffic
  CorruptedTransmission,  // bus commands are confirmed "$" and not sent
  DelayedReplies,         // unit and MMI replies come `parameter` ms late (default 2500)
};
inline constexpr int kFaultCount = 7;

// "no-answer", "ack-only", "drop-after", "corrupt-byte", "no-clock",
// "corrupt-transmission", "delay-replies".
std::string_view FaultName(Fault f);
std::optional<Fault> FaultFromName(std::string_view name);

// One unit of the simulated installation, the interface included.
struct SimUnit {
  int Network = 0;
  int Address = 0;
  std::string Type, Manufacturer, Firmware, Voltage;
  std::uint32_t Serial = 0;
  std::map<int, std::vector<int>> Groups;
  int BridgeTo = -1;  // network behind this unit, -1 when it is no bridge
  int FarAddress = 0;
  bool IsLocalPci = false;
  std::uint8_t Eeprom[256]{};  // parameters: 20 address, 23 project, 2A part name, 30.. registers, F3 serial, F7 type
  std::uint8_t Ram[256]{};
  int Unlocked = -1;  // the location that the last "11" request opened for one write
};

class SimulatedPci {
 public:
  SimulatedPci();
  explicit SimulatedPci(const NetworkConfig& config);
  // The seed replaces the configuration's own.
  SimulatedPci(const NetworkConfig& config, std::uint64_t seed);

  // --- The wire -------------------------------------------------------------
  // Bytes the tool wrote, at time nowMs.
  void Receive(std::string_view bytes, std::int64_t nowMs);
  // Everything the interface has sent by nowMs and not yet taken.
  std::string TakeOutput(std::int64_t nowMs);
  // When the next output is due; INT64_MAX when nothing is pending.
  std::int64_t NextOutputMs() const;
  // A new client: pending output is discarded, a half-received line
  // forgotten and a dropped connection usable again. The interface keeps its
  // mode and registers, as a real one does when the cable is replugged.
  void Connect();
  // True once DropAfterBytes has cut the connection (until Connect()).
  // Bytes are counted from Connect() or from when the fault is switched on.
  bool Dropped() const { return dropped_; }

  // --- Faults ---------------------------------------------------------------
  void SetFault(Fault f, int parameter = 0);
  void ClearFault(Fault f);
  void ClearFaults();
  bool HasFault(Fault f) const { return faults_[static_cast<int>(f)]; }

  // --- Traffic --------------------------------------------------------------
  // Background messages per second; 0 stops them. Starts from the last time
  // seen by Receive or TakeOutput.
  void SetTrafficRate(double perSecond);
  double TrafficRate() const { return trafficRate_; }
  // One SAL message that a unit puts on the bus at nowMs (commands in hex,
  // without checksum). Lighting commands change the group levels.
  void UnitSends(int network, int address, int application, std::string_view commandsHex, std::int64_t nowMs);

  // --- Inspection -----------------------------------------------------------
  int Register(int parameter) const { return pci().Eeprom[parameter & 0xFF]; }
  int Options1() const { return Register(0x30); }
  int Address() const { return pci().Address; }
  bool SmartMode() const { return (Options1() & 0x10) != 0; }
  bool AllMonitor() const { return allMonitor_; }
  // The level of a group, -1 when no unit serves it.
  int GroupLevel(int application, int group, int network = 0) const;
  // The first unit with that address on that network, or nullptr.
  const SimUnit* FindUnit(int network, int address) const;
  SimUnit* FindUnit(int network, int address);
  const std::vector<SimUnit>& Units() const { return units_; }

 private:
  struct Route {
    std::vector<int> Bridges;  // addresses of the bridges in order, from the local network
    int Network = 0;           // the network they lead to
  };
  enum class FrameKind { Sal, Reply, Status, StatusReport };

  const SimUnit& pci() const { return units_[0]; }
  SimUnit& pci() { return units_[0]; }

  void Char(char c, std::int64_t now);
  void Line(const std::string& line, std::int64_t now);
  void ResetToBasic();
  void Confirm(char ack, char result, std::int64_t now);
  bool ResolveRoute(const std::vector<int>& bridges, Route& out) const;
  Route RouteTo(int network) const;
  void Sal(const Route& route, int app, const Bytes& commands, std::int64_t now);
  void Cal(SimUnit& unit, int network, int address, bool local, const Bytes& data, std::int64_t now);
  SimUnit* FindOnNetwork(int network, int address);
  void Mmi(int network, int app, int blockStart, bool level, std::int64_t now, int& replyIndex);
  void ApplyLighting(int network, int app, const Bytes& commands);
  std::vector<std::uint8_t> StatusStates(int network, int app) const;

  // Formats one bus message in the interface's current mode and queues it.
  void PassUp(std::int64_t at, FrameKind kind, int network, int source, const Bytes& body, bool fromLocalPci = false);
  void Queue(std::int64_t at, std::string text);
  void QueueLine(std::int64_t at, std::string line);
  std::int64_t ReplyTime(std::int64_t now, int index) const;
  void RunTraffic(std::int64_t now);
  void Seen(std::int64_t now) {
    if (now > lastMs_) lastMs_ = now;
  }

  std::vector<SimUnit> units_;                             // units_[0] is the interface
  std::map<int, std::map<int, std::vector<int>>> levels_;  // network -> application -> 256 levels (-1 absent)
  std::multimap<std::int64_t, std::string> out_;           // due time -> bytes (equal times keep their order)
  std::string line_;
  bool lineOverflow_ = false;
  char lastChar_ = 0;  // the last character of an overflowing line may still be its acknowledgement
  // Destination of a command without prefix: the last point-to-point one.
  std::vector<int> lastBridges_;
  int lastUnit_ = -1;  // -1: the interface itself
  bool allMonitor_ = false;
  bool faults_[kFaultCount]{};
  int faultParameter_[kFaultCount]{};
  bool dropped_ = false;
  std::int64_t sentBytes_ = 0;
  std::int64_t lineCount_ = 0;
  std::int64_t lastMs_ = 0;
  Rng rng_;
  TrafficGenerator traffic_;
  double trafficRate_ = 0;
  std::int64_t nextTrafficUs_ = 0;
};

}  // namespace zelvo::sim
