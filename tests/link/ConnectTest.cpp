#include "link/Connect.h"

#include <gtest/gtest.h>

#include "support/SimBench.h"
#include "support/TrafficBench.h"

namespace zelvo {
namespace {

using test::TrafficBench;

// The window side of the connect command, over the bench's fake link.
class FakeConnector : public Connector {
 public:
  explicit FakeConnector(TrafficBench& b) : b_(b) { b_.link.open = false; }
  bool CommsOpen() override {
    ++opens;
    if (opens_ok) b_.link.open = true;
    return opens_ok;
  }
  void CommsClose() override {
    ++closes;
    b_.link.open = false;
  }
  bool ConnectedMark() const override { return mark; }
  void SetConnectedMark(bool on) override { mark = on; }
  void MainFormUpdateCaption() override { ++captions; }
  void EnableItems() override { enabledWith.push_back(b_.session.Traffic.Flags.PciResponded); }
  void ClearLists() override { ++clears; }

  bool opens_ok = true;
  bool mark = false;
  int opens = 0, closes = 0, captions = 0, clears = 0;
  std::vector<bool> enabledWith;

 private:
  TrafficBench& b_;
};

// An interface that confirms every command and answers the model requests.
void AnswerLikeAPci(TrafficBench& b, std::string& lastCommand) {
  b.responder = [&b, &lastCommand](const std::string& w) {
    lastCommand = w;
    if (w == "~~~\r") {
      b.Reply("~", 300);
      return;
    }
    if (w == "A3300051\r") return;
    if (w.rfind("2102", 0) == 0)
      b.Reply(".\r\n860000008902342E3030202020202020\r\n", 100);  // "4.00", routed from unit 00
    else if (w.rfind("2100", 0) == 0)
      b.Reply("860000008900544953202020202020\r\n", 100);
    else
      b.Reply(".\r\n", 100);
  };
}

LinkSettings Tcp() {
  LinkSettings s;
  s.ConnectionType = 1;
  s.IPAddress = "127.0.0.1";
  s.Port = 14001;
  return s;
}

TEST(Connect, AnsweringInterfaceIsSetToDefaultModeAndEnabled) {
  TrafficBench b;
  FakeConnector c(b);
  LinkFlags flags;
  std::string last;
  AnswerLikeAPci(b, last);
  ZelvoConnecttoZelvoItemClick(b.traffic, c, Tcp(), flags, /*dontShowPciData=*/true);
  ASSERT_GE(b.link.written.size(), 4u);
  EXPECT_EQ(b.link.written[0], "~~~\r");
  EXPECT_EQ(b.link.written[1], "~~~\r");
  EXPECT_EQ(b.link.written[2], "A3300051\r");
  EXPECT_EQ(b.link.written[3], "2102\r");  // GetPCIModel asks for the version
  EXPECT_TRUE(c.mark);
  EXPECT_EQ(c.clears, 1);
  ASSERT_EQ(c.enabledWith.size(), 1u);
  EXPECT_TRUE(c.enabledWith[0]);
  EXPECT_EQ(b.session.Interface.PCIVersion, 1024);
  EXPECT_TRUE(b.host.messages.empty());  // the user opted out of the PCI data box

  // Connecting again disconnects and disables.
  ZelvoConnecttoZelvoItemClick(b.traffic, c, Tcp(), flags, true);
  EXPECT_FALSE(c.mark);
  EXPECT_FALSE(b.link.open);
  ASSERT_EQ(c.enabledWith.size(), 2u);
  EXPECT_FALSE(c.enabledWith[1]);
}

TEST(Connect, PciDataBoxOnConnectButNeverDuringTheStartupConnect) {
  for (bool autoConnecting : {false, true}) {
    TrafficBench b;
    FakeConnector c(b);
    LinkFlags flags;
    flags.AutoConnecting = autoConnecting;
    std::string last;
    AnswerLikeAPci(b, last);
    ZelvoConnecttoZelvoItemClick(b.traffic, c, Tcp(), flags, /*dontShowPciData=*/false);
    if (autoConnecting) {
      EXPECT_TRUE(b.host.messages.empty());
    } else {
      ASSERT_EQ(b.host.messages.size(), 1u);
      EXPECT_EQ(b.host.messages[0].Icon, MsgIcon::Information);
      EXPECT_NE(b.host.messages[0].Text.find("  Location : 127.0.0.1:14001\r"), std::string::npos);
    }
  }
}

TEST(Connect, OpenFailureMessages) {
  for (int type : {0, 1}) {
    TrafficBench b;
    FakeConnector c(b);
    c.opens_ok = false;
    LinkFlags flags;
    LinkSettings s = Tcp();
    s.ConnectionType = type;
    s.COMPort = "/dev/ttyS9";
    ZelvoConnecttoZelvoItemClick(b.traffic, c, s, flags, true);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0].Text,
              type ? "Could not connect to IP Address 127.0.0.1:14001" : "Could not open Serial Port /dev/ttyS9");
    EXPECT_FALSE(c.mark);
    EXPECT_EQ(c.enabledWith.size(), 1u);
    EXPECT_TRUE(b.link.written.empty());
  }
}

TEST(Connect, SilentOrAckOnlyInterfaceIsNotFoundAfterSixSeconds) {
  for (int type : {0, 1}) {
    TrafficBench b;
    FakeConnector c(b);
    LinkFlags flags;
    LinkSettings s = Tcp();
    s.ConnectionType = type;
    // An acknowledgement character alone is no answer.
    b.responder = [&b](const std::string&) { b.Reply("g", 100); };
    ZelvoConnecttoZelvoItemClick(b.traffic, c, s, flags, true);
    EXPECT_GE(b.host.clockMs, 6000);
    EXPECT_LE(b.host.clockMs, 6200);
    ASSERT_EQ(b.host.messages.size(), 1u);
    EXPECT_EQ(b.host.messages[0].Text,
              type ? "ZNI not found at IP Address 127.0.0.1" : "PCI Not Found on Serial Port COM1");
    EXPECT_FALSE(c.mark);
    EXPECT_EQ(c.closes, 1);
    EXPECT_FALSE(b.link.open);
    EXPECT_TRUE(c.enabledWith.empty());
    EXPECT_EQ(b.link.written.size(), 1u);  // the probe only
  }
}

TEST(Connect, SocketOpenWaitEndsOnErrorOrAfterFiveSeconds) {
  TrafficBench b;
  FakeConnector c(b);
  test::FakeHost& host = b.host;
  host.onPump = nullptr;
  LinkFlags flags;
  EXPECT_FALSE(WaitForSocketOpen(host, flags, [] { return false; }));
  EXPECT_GE(host.clockMs, 4900);
  EXPECT_LE(host.clockMs, 5100);
  EXPECT_FALSE(flags.ConnectInProgress);

  host.clockMs = 0;
  host.onPump = [&] {
    if (host.clockMs >= 300) CommsClientSocketError(host, c, flags);
  };
  EXPECT_FALSE(WaitForSocketOpen(host, flags, [] { return false; }));
  EXPECT_LE(host.clockMs, 400);
  EXPECT_TRUE(host.messages.empty());  // an error while opening is not reported

  host.clockMs = 0;
  bool active = false;
  host.onPump = [&] { active = host.clockMs >= 200; };
  EXPECT_TRUE(WaitForSocketOpen(host, flags, [&] { return active; }));
  EXPECT_LE(host.clockMs, 300);
}

TEST(Connect, SocketErrorWhileConnectedDisconnects) {
  TrafficBench b;
  FakeConnector c(b);
  b.link.open = true;
  c.mark = true;
  LinkFlags flags;
  CommsClientSocketError(b.host, c, flags);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Socket error, disconnecting.");
  EXPECT_FALSE(c.mark);
  EXPECT_FALSE(b.link.open);
  EXPECT_EQ(c.captions, 1);
}

class FakeRepairPort : public RepairPort {
 public:
  void Prepare(const std::string& name) override { log.push_back("prepare " + name); }
  void SetBaudRate(int r) override { log.push_back("rate " + std::to_string(r)); }
  bool Open() override {
    log.push_back("open");
    return true;
  }
  void Write(std::string_view bytes) override { log.push_back("write " + std::string(bytes)); }
  void Close() override { log.push_back("close"); }
  std::vector<std::string> log;
};

TEST(Connect, BaudRateRepair) {
  test::FakeHost host;
  FakeRepairPort port;
  LinkSettings s;
  SBRepairSerialButtonClick(host, /*connected=*/true, s, port);
  s.ConnectionType = 1;
  SBRepairSerialButtonClick(host, false, s, port);
  s.ConnectionType = 0;
  host.answers.push_back(MsgResult::Cancel);
  SBRepairSerialButtonClick(host, false, s, port);
  EXPECT_TRUE(port.log.empty());
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].Text, "PCI connection can't be open to repair Serial port settings");
  EXPECT_EQ(host.messages[1].Text, "Serial settings can only be repaired for a serial connected PCI");
  EXPECT_EQ(host.messages[2].Buttons, MsgButtons::OkCancel);

  SBRepairSerialButtonClick(host, false, s, port);
  const std::vector<std::string> expected = {
      "prepare COM1", "rate 1200", "open", "write ~~~A33D00FF\r", "close", "rate 2400", "open", "write ~~~A33D00FF\r",
      "close",        "rate 4800", "open", "write ~~~A33D00FF\r", "close", "rate 9600"};
  EXPECT_EQ(port.log, expected);
  EXPECT_EQ(host.messages.back().Text, "PCI Data rate repair attempt complete. Results not guaranteed.");
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

// The same connect against the simulated interface on the virtual clock.
class SimConnector : public Connector {
 public:
  explicit SimConnector(test::SimBench& b) : b_(b) { b_.link.open = false; }
  bool CommsOpen() override { return b_.link.open = true; }
  void CommsClose() override { b_.link.open = false; }
  bool ConnectedMark() const override { return mark; }
  void SetConnectedMark(bool on) override { mark = on; }
  void MainFormUpdateCaption() override {}
  void EnableItems() override { ++enables; }
  void ClearLists() override { ++clears; }
  bool mark = false;
  int enables = 0, clears = 0;

 private:
  test::SimBench& b_;
};

TEST(Connect, AgainstTheSimulatedInterface) {
  test::SimBench b;
  SimConnector c(b);
  LinkFlags flags;
  LinkSettings s;
  ZelvoConnecttoZelvoItemClick(b.traffic, c, s, flags, /*dontShowPciData=*/false);
  EXPECT_TRUE(c.mark);
  EXPECT_EQ(c.clears, 1);
  EXPECT_EQ(b.pci.Options1(), 0x51);
  EXPECT_EQ(b.session.Interface.PCIAddress, b.pci.Address());
  EXPECT_GE(b.session.Interface.PCIVersion, 1024);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text.rfind("PC Interface Details :\r  Location : COM1\r  Manufacturer : ", 0), 0u);

  // A dead interface: not found after six seconds.
  test::SimBench dead;
  SimConnector d(dead);
  dead.pci.SetFault(sim::Fault::NoAnswer);
  ZelvoConnecttoZelvoItemClick(dead.traffic, d, s, flags, true);
  ASSERT_EQ(dead.host.messages.size(), 1u);
  EXPECT_EQ(dead.host.messages[0].Text, "PCI Not Found on Serial Port COM1");
  EXPECT_FALSE(d.mark);
  EXPECT_FALSE(dead.link.open);
}

}  // namespace
}  // namespace zelvo
