#pragma once
// What a simulated installation is made of: the PC Interface, the units on
// the local network and on networks behind bridges, the group levels the
// lighting applications start with, and the simulation's own settings.
// Read from a small INI file (ParseNetworkIni) or taken from the built-in
// default (DefaultNetworkIni).

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo::sim {

// A configuration that cannot be used; the text names the file, the line and
// the key ("net.ini:12: key 'address' in [unit]: expected a hex byte, got 'XY'").
class ConfigError : public std::runtime_error {
 public:
  explicit ConfigError(const std::string& what) : std::runtime_error(what) {}
};

struct UnitConfig {
  int Network = 0;  // 0 is the local network; others lie behind bridges
  int Address = 0;
  std::string Type;                        // up to 8 characters, padded with blanks on the bus
  std::string Manufacturer;                // up to 8 characters
  std::string Firmware;                    // up to 8 characters ("4.00" for a PC Interface)
  std::string Voltage;                     // up to 5 characters, e.g. "35.9V"
  std::uint32_t Serial = 0;                // shown by the tool as (Serial >> 12) "-" (Serial & FFF)
  std::map<int, std::vector<int>> Groups;  // application -> group addresses it serves
  int BridgeTo = -1;                       // network reached through this unit, -1 when it is no bridge
  int FarAddress = 0;                      // the bridge's own address on that network
  int Line = 0;                            // where the unit was declared, for messages
};

// The interface itself. Its registers live in its EEPROM like any unit's
// parameters; these are the values it has at power-up.
struct PciConfig {
  int Address = 1;
  std::string Version = "4.00";
  std::string Manufacturer = "ZELVO";
  std::string Type = "HOST_IF";
  std::string Project = "DEMO";
  std::string PartName = "PCI5500";
  std::uint32_t Serial = 0x000A203F;
  std::string Voltage = "36.0V";
  int Options1 = 0x00;  // parameter 41, copied to 30 at power-up
  int Options2 = 0x01;  // parameter 3E
  int Options3 = 0x00;  // parameter 42
  int Monitor1 = 0xFF;  // parameter 21 (FF: every application)
  int Monitor2 = 0xFF;  // parameter 22
};

struct LevelConfig {
  int Network = 0;
  int Application = 0;
  int Group = 0;
  int Level = 0;
};

struct NetworkConfig {
  PciConfig Pci;
  std::vector<UnitConfig> Units;  // the PCI is not among them
  std::vector<LevelConfig> Levels;
  std::uint64_t Seed = 1;
  double TrafficRate = 0;  // background messages per second
  std::string Source;      // file name, for messages
};

// Parses the INI text; `fileName` only labels the error messages.
NetworkConfig ParseNetworkIni(std::string_view text, const std::string& fileName);
// Reads and parses a file; a file that cannot be read is a ConfigError too.
NetworkConfig LoadNetworkFile(const std::string& path);
// The built-in network, as INI text (so it doubles as an example file).
std::string_view DefaultNetworkIni();
NetworkConfig DefaultNetwork();

}  // namespace zelvo::sim
