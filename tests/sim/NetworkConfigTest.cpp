#include <gtest/gtest.h>

#include "sim/Config.h"
#include "sim/SimulatedPci.h"

namespace zelvo::sim {
namespace {

TEST(NetworkConfig, BuiltInNetwork) {
  NetworkConfig c = DefaultNetwork();
  EXPECT_EQ(c.Pci.Address, 1);
  EXPECT_EQ(c.Pci.Version, "4.00");
  EXPECT_GE(c.Units.size(), 12u);
  SimulatedPci pci(c);
  EXPECT_GE(pci.GroupLevel(0x38, 1), 0);
  EXPECT_GE(pci.GroupLevel(0x39, 1), 0);
  EXPECT_EQ(pci.GroupLevel(0x38, 1), 0xFF);
}

TEST(NetworkConfig, ReadsUnitsBridgesAndLevels) {
  auto c = ParseNetworkIni(R"(
; comment
[network]
seed = 42
traffic = 2.5
[pci]
address = 0A
serial = 000A203F
[unit]
address = 10
type = DIMMER4
groups = 38:01-03,07 CA:05
[unit]
address = 30
bridge_to = 2
far_address = 05
[unit]
network = 2
address = 06
[levels]
network = 2
38 = 01:80
)",
                           "x.ini");
  EXPECT_EQ(c.Seed, 42u);
  EXPECT_DOUBLE_EQ(c.TrafficRate, 2.5);
  EXPECT_EQ(c.Pci.Address, 0x0A);
  EXPECT_EQ(c.Pci.Serial, 0x000A203Fu);
  ASSERT_EQ(c.Units.size(), 3u);
  EXPECT_EQ(c.Units[0].Groups.at(0x38), (std::vector<int>{1, 2, 3, 7}));
  EXPECT_EQ(c.Units[0].Groups.at(0xCA), (std::vector<int>{5}));
  EXPECT_EQ(c.Units[1].Type, "BRIDGE");
  EXPECT_EQ(c.Units[2].Network, 2);
  SimulatedPci pci(c);
  EXPECT_EQ(pci.GroupLevel(0x38, 1, 2), 0x80);
  EXPECT_NE(pci.FindUnit(2, 5), nullptr);  // the bridge's far side
}

TEST(NetworkConfig, ErrorsNameFileLineAndKey) {
  struct Case {
    const char* text;
    const char* message;
  };
  for (auto c : {
           Case{"[unit]\naddress = XY\n", "net.ini:2: key 'address' in [unit]: expected a hex byte, got 'XY'"},
           Case{"[pci]\ncolour = red\n", "net.ini:2: unknown key 'colour' in [pci]"},
           Case{"\n[units]\n", "net.ini:2: unknown section [units]"},
           Case{"address = 01\n", "net.ini:1: key 'address' before any section"},
           Case{"[unit]\naddress = 02\naddress = 03\n", "net.ini:3: key 'address' given twice in [unit]"},
           Case{"[unit]\ngroups = 38:05-01\n", "net.ini:2: key 'groups' in [unit]: expected a group or a range"},
           Case{"[unit]\nnetwork = 3\naddress = 02\n", "net.ini:1: [unit] network 3 is reached by no bridge"},
           Case{"[unit]\naddress = 01\n", "net.ini:1: [unit] address 1 is the PC Interface's own address"},
           Case{"[network]\ntraffic = fast\n", "net.ini:2: key 'traffic' in [network]"},
           Case{"[pci]\nserial = 12\n", "net.ini:2: key 'serial' in [pci]: expected N-M"},
           Case{"[pci]\nproject = my house\n", "net.ini:2: key 'project' in [pci]"},
           Case{"[pci]\ntype = TOOLONGTYPE\n", "net.ini:2: key 'type' in [pci]: at most 8 characters"},
           Case{"[levels]\n38 = 01\n", "net.ini:2: key '38' in [levels]: expected group:level"},
           Case{"[unit\n", "net.ini:1: section header without ']'"},
           Case{"[unit]\njust words\n", "net.ini:2: expected key = value"},
           Case{"[unit]\naddress = 20\nbridge_to = 1\nnetwork = 1\n", "net.ini:1: [unit] bridge_to leads back"},
       }) {
    try {
      ParseNetworkIni(c.text, "net.ini");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ConfigError& e) {
      EXPECT_EQ(std::string(e.what()).substr(0, std::string(c.message).size()), c.message) << e.what();
    }
  }
  EXPECT_THROW(LoadNetworkFile("/nonexistent/net.ini"), ConfigError);
}

TEST(NetworkConfig, BridgesThatNeverReachTheLocalNetwork) {
  const char* loop =
      "[unit]\naddress = 20\nbridge_to = 1\n"
      "[unit]\nnetwork = 2\naddress = 21\nbridge_to = 3\n"
      "[unit]\nnetwork = 3\naddress = 22\nbridge_to = 2\n";
  EXPECT_THROW(ParseNetworkIni(loop, "loop.ini"), ConfigError);
}

}  // namespace
}  // namespace zelvo::sim
