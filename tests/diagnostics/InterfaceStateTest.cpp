#include "diagnostics/InterfaceState.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(ExtractVersion, Texts) {
  struct Case {
    const char* text;
    int version;
  };
  for (auto c : {Case{"4.0.07", 1024}, Case{"3.12", 786}, Case{"4", 1024}, Case{"", 0}, Case{"3.30", 816},
                 Case{"123456789.1", 0}})
    EXPECT_EQ(ExtractVersion(c.text), c.version) << c.text;
}

TEST(CheckInterfaceOptions, ResetWithUnknownAddressKeepsRoute) {
  InterfaceState s;
  s.InterfaceOptions1 = 0x59;
  s.AllMonitorActive = true;
  s.LastRoute = "0700";
  CheckInterfaceOptions(s, "~~~");
  EXPECT_EQ(s.InterfaceOptions1, 0);
  EXPECT_FALSE(s.AllMonitorActive);
  EXPECT_EQ(s.LastRoute, "0700");
  s.PCIAddress = 5;
  CheckInterfaceOptions(s, "~~~");
  EXPECT_EQ(s.LastRoute, "0500");
}

TEST(CheckInterfaceOptions, ModeCommandsLeaveTheirOptions) {
  InterfaceState s;
  s.PCIAddress = 1;
  CheckInterfaceOptions(s, "~~~");
  CheckInterfaceOptions(s, "||");
  EXPECT_EQ(s.InterfaceOptions1, 0x11);
  CheckInterfaceOptions(s, "~~~");
  CheckInterfaceOptions(s, "A3300051");
  EXPECT_EQ(s.InterfaceOptions1, 0x51);
  EXPECT_EQ(s.LastRoute, "0100");
  EXPECT_TRUE(s.LastCommandToLocalPCI);
}

TEST(CheckInterfaceOptions, BareWriteAfterResetIsLocal) {
  InterfaceState s;
  s.PCIAddress = 5;
  CheckInterfaceOptions(s, "~~~");
  EXPECT_EQ(IsToLocalPCI(s, "A3300059"), "060500A3300059");
  CheckInterfaceOptions(s, "A3300059");
  EXPECT_EQ(s.InterfaceOptions1, 0x59);
}

TEST(CheckInterfaceOptions, WriteToAnotherUnitIsNotLocal) {
  InterfaceState s;
  s.PCIAddress = 1;
  s.LastRoute = "0100";
  s.InterfaceOptions1 = 0x51;
  CheckInterfaceOptions(s, "\\060500A3300059C7g");
  EXPECT_EQ(s.LastRoute, "0500");
  EXPECT_EQ(s.InterfaceOptions1, 0x51);
  EXPECT_FALSE(s.LastCommandToLocalPCI);
  EXPECT_EQ(IsToLocalPCI(s, "A3300059"), "");  // a bare command follows the last route
}

TEST(CheckInterfaceOptions, AllMonitorOnlyWithItsValue) {
  InterfaceState s;
  s.PCIAddress = 1;
  CheckInterfaceOptions(s, "@A3400048");
  EXPECT_EQ(s.InterfaceOptions1, 0x52);
  EXPECT_TRUE(s.AllMonitorActive);
  InterfaceState t;
  t.PCIAddress = 1;
  CheckInterfaceOptions(t, "@A3400049");
  EXPECT_EQ(t.InterfaceOptions1, 0);
  EXPECT_FALSE(t.AllMonitorActive);
}

TEST(CheckInterfaceOptions, MultiByteWriteTracksOnlyCoveredParameters) {
  InterfaceState s;
  s.PCIAddress = 1;
  CheckInterfaceOptions(s, "@A430005177");
  EXPECT_EQ(s.InterfaceOptions1, 0x51);
  // Parameters 3E..42 in one write; a value beyond the text reads as 0.
  CheckInterfaceOptions(s, "@A73E00C1AA48F1");
  EXPECT_EQ(s.InterfaceOptions2, 0xC1);
  EXPECT_TRUE(s.AllMonitorActive);
  EXPECT_EQ(s.InterfaceOptions1Pwr, 0xF1);
  EXPECT_EQ(s.InterfaceOptions3, 0x00);
  CheckInterfaceOptions(s, "@A4210005");
  EXPECT_EQ(s.ApplicationAddress1, 0x05);
  EXPECT_EQ(s.ApplicationAddress2, 0x00);
}

TEST(CheckInterfaceOptions, RoutedCommandSetsRoute) {
  InterfaceState s;
  s.PCIAddress = 1;
  CheckInterfaceOptions(s, "\\06020903A3300051");
  EXPECT_EQ(s.LastRoute, "020903");
  EXPECT_FALSE(s.LastCommandToLocalPCI);
  EXPECT_EQ(s.InterfaceOptions1, 0);
}

TEST(CheckInterfaceOptions, UnknownAddressCountsAsLocal) {
  InterfaceState s;
  EXPECT_EQ(IsToLocalPCI(s, "\\060700A3300051"), "060700A3300051");
  EXPECT_EQ(s.LastRoute, "0000");
}

}  // namespace
}  // namespace zelvo
