#include "shell/CommandLine.h"

#include <gtest/gtest.h>

#include "shell/ProgramSettings.h"
#include "support/FakeHost.h"

namespace zelvo {
namespace {

TEST(CommandLine, SwitchesIgnoreCaseAndTakeTheTextAfterTheFirstEquals) {
  const CommandLine cl({"/SERIAL=COM2", "/AutoConnect", "/x=a=b"});
  EXPECT_TRUE(cl.HasSwitch("/serial"));
  EXPECT_TRUE(cl.HasSwitch("/autoconnect"));
  EXPECT_FALSE(cl.HasSwitch("/tcpip"));
  EXPECT_FALSE(cl.HasSwitch("/seria"));
  EXPECT_EQ(cl.SwitchValue("/serial"), "COM2");
  EXPECT_EQ(cl.SwitchValue("/x"), "a=b");
  EXPECT_EQ(cl.SwitchValue("/autoconnect"), "");
  // Two of one switch: the first in sorted order gives the value.
  EXPECT_EQ(CommandLine({"/serial=COM9", "/serial=COM3"}).SwitchValue("/serial"), "COM3");
}

struct ApplyCase {
  const char* name;
  std::vector<std::string> args;
  std::string message;  // "" = none
  bool startupConnect;
  int connectionType;
  std::string comPort, ipAddress;
  int port;
};

TEST(CommandLine, ApplyCommandLine) {
  const ApplyCase cases[] = {
      {"nothing", {}, "", false, 0, "COM1", "192.168.0.1", 14000},
      {"serial", {"/serial=COM3"}, "", false, 0, "COM3", "192.168.0.1", 14000},
      {"serial, upper case, auto", {"/SERIAL=COM2", "/autoconnect"}, "", true, 0, "COM2", "192.168.0.1", 14000},
      {"tcpip with autoconnect", {"/tcpip=10.0.0.5:10001", "/autoconnect"}, "", true, 1, "COM1", "10.0.0.5", 10001},
      {"tcpip port cut at 5 characters", {"/tcpip=127.0.0.1:140009"}, "", false, 1, "COM1", "127.0.0.1", 14000},
      {"both",
       {"/serial=COM3", "/tcpip=1.2.3.4:5", "/autoconnect"},
       "Cannot specify both /serial and /tcpip",
       false,
       0,
       "COM1",
       "192.168.0.1",
       14000},
      {"tcpip bad port keeps the address",
       {"/tcpip=10.0.0.7:port", "/autoconnect"},
       "Invalid argument, format is /tcpip=<IPAddress>:<Port>",
       false,
       0,
       "COM1",
       "10.0.0.7",
       14000},
      {"tcpip without a port",
       {"/tcpip=10.0.0.7"},
       "Invalid argument, format is /tcpip=<IPAddress>:<Port>",
       false,
       0,
       "COM1",
       "10.0.0.7",
       14000},
      {"tcpip port out of range",
       {"/tcpip=10.0.0.7:70000"},
       "Invalid argument, format is /tcpip=<IPAddress>:<Port>",
       false,
       0,
       "COM1",
       "10.0.0.7",
       14000},
      {"autoconnect alone",
       {"/autoconnect"},
       "Must specify one of /serial or /tcpip with /autoconnect",
       false,
       0,
       "COM1",
       "192.168.0.1",
       14000},
  };
  for (const auto& c : cases) {
    test::FakeHost host;
    ProgramSettings s;
    const CommandLineEffect e = ApplyCommandLine(CommandLine(c.args), s, host);
    if (c.message.empty()) {
      EXPECT_TRUE(host.messages.empty()) << c.name;
    } else {
      ASSERT_EQ(host.messages.size(), 1u) << c.name;
      EXPECT_EQ(host.messages[0].Text, c.message) << c.name;
      EXPECT_EQ(host.messages[0].Icon, MsgIcon::Error) << c.name;
    }
    EXPECT_EQ(e.StartupConnect, c.startupConnect) << c.name;
    EXPECT_EQ(s.ConnectionType, c.connectionType) << c.name;
    EXPECT_EQ(s.COMPort, c.comPort) << c.name;
    EXPECT_EQ(s.IPAddress, c.ipAddress) << c.name;
    EXPECT_EQ(s.Port, c.port) << c.name;
  }
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_FALSE(ConventionalOptionText({"/serial=COM1"}, "zelvo-diagnostic"));
  const auto help = ConventionalOptionText({"--help"}, "zelvo-diagnostic");
  ASSERT_TRUE(help);
  EXPECT_NE(help->find("/tcpip=ADDRESS:PORT"), std::string::npos);
  const auto version = ConventionalOptionText({"/autoconnect", "--version"}, "zelvo-diagnostic");
  ASSERT_TRUE(version);
  EXPECT_EQ(version->rfind("zelvo-diagnostic ", 0), 0u);
}

}  // namespace
}  // namespace zelvo
