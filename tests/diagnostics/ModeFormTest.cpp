#include "diagnostics/ModeForm.h"

#include <gtest/gtest.h>

#include "support/TrafficBench.h"

namespace zelvo {
namespace {

class ModeForm : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& i = b.session.Interface;
    i.InterfaceOptions1 = kDefaultModeOptions;
    i.PCIAddress = 1;
    i.LastRoute = "0100";
  }
  ModeFormData Local(int version, std::uint8_t options3 = 0) {
    auto& i = b.session.Interface;
    i.PCIVersion = version;
    i.InterfaceOptions3 = options3;
    i.InterfaceOptions2 = 0x01;
    return ModeFormOpen(b.traffic, std::nullopt);
  }
  test::TrafficBench b;
};

TEST_F(ModeForm, Version400WithPcnWritesNothingUnchanged) {
  const auto d = Local(1024, kOpt3Pcn);
  const auto e = ModeFormEnabling(d.FPCIVersion, false);
  EXPECT_TRUE(e.Pcn && e.Options1 && e.PowerUp && e.LocalSal);
  const auto ticks = ModeFormInitialTicks(d, false);
  EXPECT_EQ(ticks.Options3, kOpt3Pcn);
  ModeFormOk(b.traffic, d, ticks);
  EXPECT_TRUE(b.link.written.empty());
}

TEST_F(ModeForm, Version312EnablesLocalSalOnly) {
  const auto d = Local(786, kOpt3Pcn | kOpt3LocalSal);
  const auto e = ModeFormEnabling(786, false);
  EXPECT_TRUE(e.LocalSal);
  EXPECT_TRUE(e.AllMonitor);
  EXPECT_FALSE(e.Pcn || e.Pun || e.Exstat || e.PowerUp);
  auto ticks = ModeFormInitialTicks(d, false);
  EXPECT_EQ(ticks.Options3, kOpt3LocalSal);  // PCN not shown below 4.00
  ticks.Options3 = kOpt3Pcn | kOpt3Pun;      // only Local SAL can be written
  ModeFormOk(b.traffic, d, ticks);
  ASSERT_EQ(b.link.written.size(), 1u);
  EXPECT_EQ(b.link.written[0], "\\060100A3420000\r");
}

TEST_F(ModeForm, OlderLocalPciUsesUnitHeaderAndOptions2IsWrittenTwice) {
  const auto d = Local(768);
  auto ticks = ModeFormInitialTicks(d, false);
  ticks.Options1 = kOptConnect | kOptSmart | kOptIdmon | kOptChecksum;
  ticks.Options2 = kOpt2ClockGen | kOpt2Burden;
  ModeFormOk(b.traffic, d, ticks);
  ASSERT_EQ(b.link.written.size(), 3u);
  EXPECT_EQ(b.link.written[0], "\\060100A330005900\r");
  EXPECT_EQ(b.link.written[1], b.link.written[2]);
  // The first write switched CHECKSUM on, so the next ones carry one.
  EXPECT_EQ(b.link.written[1], "\\060100A33E0041D7\r");
}

TEST_F(ModeForm, RemotePciUnlocksAddressWritesAndKeepsOptions1) {
  b.responder = [&](const std::string& w) {
    if (w.find("2102") != std::string::npos) b.Reply("860901008902342E3030\r", 100);
    if (w.find("1121") != std::string::npos) b.Reply("86090100822157\r", 100);
  };
  const auto d = ModeFormOpen(b.traffic, 9);
  EXPECT_EQ(d.FPCIVersion, 1024);
  EXPECT_EQ(d.VersionText, "4.00");
  EXPECT_FALSE(ModeFormEnabling(d.FPCIVersion, true).Options1);
  b.link.written.clear();
  auto ticks = ModeFormInitialTicks(d, false);
  ticks.Address1 = "56";
  ModeFormOk(b.traffic, d, ticks);
  ASSERT_EQ(b.link.written.size(), 2u);
  EXPECT_EQ(b.link.written[0], "\\0609001121\r");
  EXPECT_EQ(b.link.written[1], "\\060900A321573857\r");
  EXPECT_EQ(ModeFormOtherPciCaption(9), "Warning: Changing settings of remote PCI at address 09");
}

TEST_F(ModeForm, InvalidAddressTextIsNotWritten) {
  const auto d = Local(1024);
  auto ticks = ModeFormInitialTicks(d, false);
  ticks.Address2 = "junk";
  ModeFormOk(b.traffic, d, ticks);
  EXPECT_TRUE(b.link.written.empty());
  EXPECT_EQ(ModeFormMonitorCaption(true), "Monitor Applications    (FF, FF for all applications)");
}

TEST_F(ModeForm, OtherPciQuestions) {
  b.host.inputs.push_back(std::string("7"));
  EXPECT_EQ(AskOtherPciAddress(b.traffic), std::nullopt);
  EXPECT_EQ(b.host.messages.back().Text, "No response from unit at that address.");

  b.responder = [&](const std::string& w) {
    if (w.find("\\0607002101") == 0) b.Reply("86070100890152454C41593132\r", 100);
    if (w.find("\\0608002101") == 0) b.Reply("86080100890120484F53545F4946\r", 100);
  };
  b.host.inputs.push_back(std::string("7"));
  b.host.answers.push_back(MsgResult::No);
  EXPECT_EQ(AskOtherPciAddress(b.traffic), std::nullopt);
  EXPECT_EQ(b.host.messages.back().Text,
            "This unit is not a PC Interface.\rIt is of type RELAY12.\rChanging its Mode may cause operational "
            "problems.\rDo you want to continue ?");
  b.host.inputs.push_back(std::string("8"));
  EXPECT_EQ(AskOtherPciAddress(b.traffic), 8);
}

}  // namespace
}  // namespace zelvo
