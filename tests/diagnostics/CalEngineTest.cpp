#include "diagnostics/CalEngine.h"

#include <gtest/gtest.h>

#include "diagnostics/PciModel.h"
#include "support/TrafficBench.h"

namespace zelvo {
namespace {

using test::TrafficBench;

class CalEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    b.session.Interface.InterfaceOptions1 = kDefaultModeOptions;
    b.session.Interface.PCIAddress = 1;
    b.session.Interface.LastRoute = "0100";
  }
  int Sends(const std::string& prefix) {
    int n = 0;
    for (auto& w : b.link.written) n += w.rfind(prefix, 0) == 0;
    return n;
  }
  TrafficBench b;
};

TEST_F(CalEngine, NoReplyGivesEmptyAfterAllRetries) {
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\0605002101", "8901*", 3, 2), "");
  EXPECT_EQ(Sends("\\0605002101"), 3);
  EXPECT_GE(b.host.clockMs, 6000);
  EXPECT_LE(b.host.clockMs, 6300);
  EXPECT_FALSE(b.session.Traffic.AwaitingReply());
}

TEST_F(CalEngine, LateReplyToFirstAttemptIsAcceptedInTheSecond) {
  b.responder = [&](const std::string&) {
    if (b.link.written.size() == 1) b.Reply("860501008901414243\r\n", 2500);
  };
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\0605002101", "8901*", 3, 2), "8901414243<CR>");
  EXPECT_EQ(Sends("\\0605002101"), 2);
}

TEST_F(CalEngine, RouteMustMatchWhenAHeaderIsExpected) {
  b.responder = [&](const std::string&) {
    b.Reply("g.", 100);                    // not 06/86: dropped
    b.Reply("860701008901AAAA\r\n", 100);  // another unit: skipped
    b.Reply("860501008901BBBB\r\n", 200);  // the unit asked
  };
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\0605002101", "8901*", 3, 2), "8901BBBB<CR>");
}

TEST_F(CalEngine, RoutedRequestExpectsBridgeAndRoute) {
  // Through bridge 02 and route byte 03 to unit 07: R = 02 01 01 03.
  b.responder = [&](const std::string&) { b.Reply("86020101038902C0FFEE\r\n", 100); };
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\060209032102", "8902*", 1, 1), "8902C0FFEE<CR>");
}

struct HeaderCase {
  std::uint8_t options;
  int pciAddress;
  const char* command;
  const char* reply;
  const char* result;
};

TEST_F(CalEngine, HeaderAndNoHeaderCases) {
  for (auto c : {
           // SMART + IDMON, local: header 86 AA AA 00 expected and stripped.
           HeaderCase{0x51, 1, "2102", "860101008902343030\r", "8902343030<CR>"},
           // SMART, IDMON clear, local: matched as received.
           HeaderCase{0x11, 1, "2102", "8902343030\r", "8902343030<CR>"},
           // Unknown address: every 06/86 line passes and loses its header.
           HeaderCase{0x51, -1, "2102", "86FFEE008902AA\r", "8902AA<CR>"},
           // SMART clear: never skipped or shortened.
           HeaderCase{0x00, 1, "2102", "8902343030\r", "8902343030<CR>"},
           // A pattern "8*" takes the first reply that begins with 8.
           HeaderCase{0x51, 1, "2100", "860101008612\r", "8612<CR>"},
       }) {
    TrafficBench t;
    t.session.Interface.InterfaceOptions1 = c.options;
    t.session.Interface.PCIAddress = c.pciAddress;
    t.session.Interface.LastRoute = c.pciAddress < 0 ? "0000" : "0100";
    t.responder = [&](const std::string&) { t.Reply(c.reply, 100); };
    const char* pattern = std::string(c.command) == "2100" ? "8*" : "8902*";
    EXPECT_EQ(SendCALGetResponse(t.traffic, c.command, pattern, 1, 1), c.result) << c.reply;
  }
}

TEST_F(CalEngine, NestedRequestsEachGetTheirReply) {
  // While the outer request waits, a handler runs a second request.
  bool nested = false;
  std::string inner;
  b.host.onPump = [&] {
    b.Deliver();
    if (!nested && b.session.Traffic.AwaitingReply()) {
      nested = true;
      inner = SendCALGetResponse(b.traffic, "\\0607002101", "8901*", 1, 1);
    }
  };
  b.responder = [&](const std::string& w) {
    if (w.rfind("\\0607", 0) == 0) b.Reply("8607010089017777\r", 100);
    if (w.rfind("\\0605", 0) == 0) b.Reply("8605010089015555\r", 300);
  };
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\0605002101", "8901*", 2, 2), "89015555<CR>");
  EXPECT_EQ(inner, "89017777<CR>");
  EXPECT_FALSE(b.session.Traffic.AwaitingReply());
}

TEST_F(CalEngine, LinkClosingMidWaitEndsAtDeadlineWithoutSending) {
  b.host.onPump = [&] { b.link.open = false; };
  EXPECT_EQ(SendCALGetResponse(b.traffic, "\\0605002101", "8901*", 3, 2), "");
  EXPECT_EQ(b.link.written.size(), 1u);
}

TEST_F(CalEngine, GettersTakeTheirCharacters) {
  b.responder = [&](const std::string& w) {
    if (w.find("2101") != std::string::npos) b.Reply("86050100890120524C59313220\r", 100);
    if (w.find("2107") != std::string::npos) b.Reply("8605010086073233562E3020\r", 100);
    if (w.find("1A3001") != std::string::npos) b.Reply("86010100823051\r", 100);
  };
  EXPECT_EQ(GetUnitType(b.traffic, 5), "RLY12");
  EXPECT_EQ(GetUnitVoltage(b.traffic, 5), "23V.0");
  EXPECT_EQ(RecallParameterByte(b.traffic, "", 0x30), 0x51);
  EXPECT_EQ(RecallParameterByte(b.traffic, "\\060900", 0x31), 0);  // no reply
}

TEST_F(CalEngine, InvalidRemotePathSendsNothing) {
  b.session.User.Remote = {true, "0G"};
  EXPECT_EQ(GetUnitType(b.traffic, 5), "");
  EXPECT_TRUE(b.link.written.empty());
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Invalid Remote Network Path.");
}

TEST_F(CalEngine, ModeCommands) {
  SetDefaultMode(b.traffic);
  ASSERT_EQ(b.link.written.size(), 2u);
  EXPECT_EQ(b.link.written[0], "~~~\r");
  EXPECT_EQ(b.link.written[1], "A3300051\r");
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, 0x51);
  EXPECT_GE(b.host.clockMs, 200);
  SetSmartMode(b.traffic);
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, 0x11);
  SetBasicMode(b.traffic);
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, 0);
  EXPECT_EQ(b.monitor.lines.back().second, " = Set Basic Mode");
}

TEST(PciModelText, PackedNamesSerialAndDialog) {
  // "ABCDEFGH": codes 32..39.
  EXPECT_EQ(DecodePackedName("8218A39259A7"), "ABCDEFGH");
  // Trailing codes 30 are left out and the name padded.
  EXPECT_EQ(DecodePackedName("82179E79E79E"), "AB      ");
  EXPECT_EQ(DecodePackedName(""), "!!!!!!!!");
  EXPECT_EQ(HexPairToByte("3F"), 0x3F);
  EXPECT_EQ(HexPairToByte("3f"), 0x30);  // lower case is not read
  EXPECT_EQ(SerialNumberText("000A203F"), "162-63");

  PciDetails d{"ZELVO", "HOST_IF", "4.00", "01", "PROJECT ", "30V", "PCIPART ", "162-63"};
  EXPECT_EQ(PciDataMessage(d, 1024, "127.0.0.1:14000"),
            "PC Interface Details :\r  Location : 127.0.0.1:14000\r  Manufacturer : ZELVO\r  Unit Type : HOST_IF\r"
            "  Part Name : PCIPART \r  Project : PROJECT \r  Firmware Version : 4.00\r  Serial Number : 162-63\r"
            "  Unit Address : 01\r  Zelvo Voltage : 30V");
  EXPECT_EQ(PciDataMessage(d, 0, "x"),
            "PC Interface Details Unknown.\rSome software features may not work correctly.\r"
            "If possible, use a version 4.0 or later PCI.");
  EXPECT_TRUE(ShowPciDataDialog(true, true, true));
  EXPECT_FALSE(ShowPciDataDialog(false, true, false));
  EXPECT_FALSE(ShowPciDataDialog(false, false, true));
  EXPECT_TRUE(ShowPciDataDialog(false, false, false));
}

TEST_F(CalEngine, GetPCIModelWithSilentPciZeroesEverything) {
  b.session.Interface.InterfaceOptions1 = 0x59;
  GetPCIModel(b.traffic);
  EXPECT_EQ(b.session.Interface.PCIVersion, 0);
  EXPECT_EQ(b.session.Interface.PCIAddress, 0);
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, 0);
}

TEST_F(CalEngine, AllMonitorMode) {
  SetAllMonitorMode(b.traffic);
  EXPECT_TRUE(b.session.Interface.AllMonitorActive);
  EXPECT_EQ(b.link.written[0], "@A3400048\r");
}

}  // namespace
}  // namespace zelvo
