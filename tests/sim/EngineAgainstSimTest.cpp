// The traffic engine, the request engine and the captures against the
// simulated interface: what the core sends, the simulator answers, and the
// core reads back as the network the simulator was configured with.
#include <gtest/gtest.h>

#include "diagnostics/CalEngine.h"
#include "diagnostics/PciModel.h"
#include "link/Codec.h"
#include "support/SimBench.h"

namespace zelvo {
namespace {

using test::SimBench;

// The connect command's probe: "~~~" and a wait for a confirmation.
bool Probe(SimBench& b) {
  b.session.Traffic.Flags.PciResponded = false;
  b.traffic.SendZelvoString("~~~", "");
  for (int i = 0; i < 60 && !b.session.Traffic.Flags.PciResponded; ++i) {
    b.host.PumpOnce();
    b.host.Sleep(100);
  }
  return b.session.Traffic.Flags.PciResponded;
}

void Connect(SimBench& b) {
  ASSERT_TRUE(Probe(b));
  SetDefaultMode(b.traffic);
  GetPCIModel(b.traffic);
}

TEST(EngineAgainstSim, ProbeAndModel) {
  SimBench b;
  Connect(b);
  const auto& i = b.session.Interface;
  EXPECT_EQ(i.PCIVersion, 1024);
  EXPECT_EQ(i.PCIAddress, b.pci.Address());
  EXPECT_EQ(i.InterfaceOptions1, b.pci.Register(0x30));
  EXPECT_EQ(i.InterfaceOptions1, kDefaultModeOptions);
  EXPECT_EQ(i.InterfaceOptions2, b.pci.Register(0x3E));
  EXPECT_EQ(i.InterfaceOptions3, b.pci.Register(0x42));
  EXPECT_EQ(i.LastRoute, HexOfSize(b.pci.Address(), 1) + "00");
}

TEST(EngineAgainstSim, SilentInterfaceIsNotFound) {
  SimBench b;
  b.pci.SetFault(sim::Fault::NoAnswer);
  EXPECT_FALSE(Probe(b));
  EXPECT_GE(b.host.clockMs, 6000);
}

TEST(EngineAgainstSim, PciDataListsTheSimulatedIdentity) {
  SimBench b;
  Connect(b);
  const PciDetails d = RequestPciData(b.traffic);
  const sim::SimUnit* pci = b.pci.FindUnit(0, b.pci.Address());
  ASSERT_NE(pci, nullptr);
  EXPECT_EQ(Trim(d.Manufacturer), Trim(pci->Manufacturer));
  EXPECT_EQ(Trim(d.UnitType), Trim(pci->Type));
  EXPECT_EQ(d.UnitAddress, HexOfSize(b.pci.Address(), 1));
  EXPECT_EQ(d.FirmwareVersion.substr(0, 4), "4.00");
  const std::string text = PciDataMessage(d, b.session.Interface.PCIVersion, "127.0.0.1:14000");
  EXPECT_NE(text.find("  Manufacturer : " + d.Manufacturer), std::string::npos);
  EXPECT_NE(text.find("  Serial Number : " + d.SerialNumber), std::string::npos);
  EXPECT_EQ(d.SerialNumber.find('-') != std::string::npos, true);
}

TEST(EngineAgainstSim, ChecksumAndAcknowledgementOnTheWire) {
  SimBench b;
  Connect(b);
  b.traffic.SendZelvoCommand("@A3300059");  // CHECKSUM on, tracked at once
  b.traffic.Delay(0.3);
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, 0x59);
  b.session.User.UseAckChars = true;
  b.session.Traffic.NextAckChar = 'h';
  b.traffic.SendZelvoCommand("\\0538007901");
  EXPECT_EQ(b.link.written.back(), "\\053800790149h\r");
  b.traffic.Delay(0.3);
  EXPECT_TRUE(b.session.Traffic.Flags.PciReady);
  EXPECT_EQ(b.pci.GroupLevel(0x38, 1), 255);
}

TEST(EngineAgainstSim, ReplyOnlyInTheSecondAttemptIsAccepted) {
  SimBench b;
  Connect(b);
  b.pci.SetFault(sim::Fault::DelayedReplies, 2500);
  const int sent = static_cast<int>(b.link.written.size());
  const sim::SimUnit* unit = nullptr;
  for (const auto& u : b.pci.Units())
    if (!u.IsLocalPci && u.Network == 0) {
      unit = &u;
      break;
    }
  ASSERT_NE(unit, nullptr);
  EXPECT_EQ(GetUnitType(b.traffic, unit->Address), Trim(unit->Type));
  EXPECT_EQ(static_cast<int>(b.link.written.size()) - sent, 2);
}

TEST(EngineAgainstSim, HeaderCasesOfTheInterfacesOwnReplies) {
  for (std::uint8_t options : {std::uint8_t{0x51}, std::uint8_t{0x11}, std::uint8_t{0x00}}) {
    SimBench b;
    Connect(b);
    // Basic and smart mode, with and without IDMON, asked through the bare
    // local form: the version reply is found every time.
    b.traffic.SendZelvoString("~~~", "");
    if (options) b.traffic.SendZelvoString("A330" + std::string("00") + HexOfSize(options, 1), "");
    b.traffic.Delay(0.3);
    EXPECT_EQ(GetPCIVersion(b.traffic, "").substr(0, 4), "4.00") << int(options);
  }
  SimBench unknown;
  ASSERT_TRUE(Probe(unknown));
  SetDefaultMode(unknown.traffic);
  EXPECT_EQ(unknown.session.Interface.PCIAddress, -1);  // every 86 line passes
  EXPECT_EQ(GetPCIVersion(unknown.traffic, "").substr(0, 4), "4.00");
}

TEST(EngineAgainstSim, MmiCaptureReproducesTheNetwork) {
  SimBench b;
  Connect(b);
  auto scan = [&](const std::string& request, int kind, int lastIndex) {
    ClearMMIResults(b.session.Mmi);
    b.session.Mmi.MMIType = kind;
    b.traffic.SendZelvoCommand(request);
    for (int i = 0; i < 50 && b.session.Mmi.MMILastIndex + 1 < lastIndex + 1; ++i) b.traffic.Delay(0.1);
    b.traffic.Delay(0.5);
  };
  scan("\\05FF007AFF00", kMmiInstallation, 255);
  for (const auto& u : b.pci.Units()) {
    if (u.Network != 0) continue;
    EXPECT_NE(b.session.Mmi.MMIResults[static_cast<std::size_t>(u.Address)], 0) << "unit " << u.Address;
  }
  int present = 0;
  for (int a = 0; a < 256; ++a) present += b.session.Mmi.MMIResults[static_cast<std::size_t>(a)] != 0;
  int local = 0;
  for (const auto& u : b.pci.Units()) local += u.Network == 0;
  EXPECT_LE(present, local);

  b.traffic.SendZelvoCommand("\\0538007905");    // group 5 on
  b.traffic.SendZelvoCommand("\\0538000A067F");  // group 6 to 7F
  b.traffic.Delay(0.5);
  scan("\\05FF007A3800", kMmiApplication, 255);
  EXPECT_EQ(b.session.Mmi.MMIApplication, 0x38);
  EXPECT_EQ(b.session.Mmi.MMIResults[5], 1);  // on

  ClearMMIResults(b.session.Mmi);
  b.session.Mmi.MMIType = kMmiLevel;
  for (int block = 0; block < 8; ++block) {
    b.traffic.SendZelvoCommand("\\05FF00730738" + HexOfSize(32 * block, 1));
    for (int i = 0; i < 50 && b.session.Mmi.MMILastIndex + 1 < 32 * (block + 1); ++i) b.traffic.Delay(0.1);
  }
  for (int g = 0; g < 256; ++g) {
    const int level = b.pci.GroupLevel(0x38, g);
    const int captured = b.session.Mmi.MMIResults[static_cast<std::size_t>(g)];
    if (level < 0)
      EXPECT_EQ(captured, -2) << g;
    else
      EXPECT_EQ(captured, level) << g;
  }
}

TEST(EngineAgainstSim, DroppedConnectionMidRequestEndsAtTheDeadline) {
  SimBench b;
  Connect(b);
  b.host.onPump = [&] { b.link.open = false; };
  EXPECT_EQ(GetPCIVersion(b.traffic, ""), "");
  EXPECT_FALSE(b.session.Traffic.AwaitingReply());
}

}  // namespace
}  // namespace zelvo
