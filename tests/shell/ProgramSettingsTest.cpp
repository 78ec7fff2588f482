#include "shell/ProgramSettings.h"

#include <gtest/gtest.h>

#include "shell/SettingsStore.h"

namespace zelvo {
namespace {

TEST(ProgramSettings, EmptyStoreGivesTheDefaults) {
  MemorySettingsStore store;
  ProgramSettings s;
  s.COMPort = "junk";
  s.CombineLists = false;
  LoadProgramSettings(store, s);
  EXPECT_EQ(s.COMPort, "COM1");
  EXPECT_EQ(s.IPAddress, "192.168.0.1");
  EXPECT_EQ(s.Port, 14000);
  EXPECT_EQ(s.ConnectionType, kConnectionSerial);
  EXPECT_TRUE(s.CombineLists);
  EXPECT_TRUE(s.ShowDecodedMessage);
  EXPECT_TRUE(s.ShowTime);
  EXPECT_TRUE(s.WordWrap);
  EXPECT_FALSE(s.HexNumbers);
  EXPECT_TRUE(s.ShowPCIData);
  EXPECT_TRUE(s.ShowApplicationWarning);
  for (bool shown : s.ShowTab) EXPECT_TRUE(shown);
}

TEST(ProgramSettings, RoundTripOfEveryKeyAndShowMessageAlwaysOn) {
  ProgramSettings out;
  out.COMPort = "/dev/ttyUSB0";
  out.IPAddress = "127.0.0.1";
  out.Port = 10001;
  out.ConnectionType = kConnectionTcpIp;
  out.UseMRAHandshake = out.ShowASCII = out.ShowDestination = out.ShowNetwork = out.ShowApplication = true;
  out.HexNumbers = out.AckChar = out.ShowDate = out.MMIAutoUpdate = true;
  out.CombineLists = out.ShowDecodedMessage = out.ShowPCIData = out.WordWrap = out.ShowTime = false;
  out.ShowApplicationWarning = false;
  out.ShowMessage = false;
  out.TimeDP = 2;
  out.ShowTab[kTabHVAC] = false;
  out.ShowTab[kTabCustom] = false;

  MemorySettingsStore store;
  SaveProgramSettings(store, out);
  EXPECT_EQ(store.ReadString("Options", "ShowHVACTab", ""), "0");
  EXPECT_EQ(store.ReadString("Options", "ShowMessage", ""), "0");  // written as it stands
  EXPECT_EQ(store.ReadString("Options", "IPAddress", ""), "127.0.0.1");

  ProgramSettings in;
  LoadProgramSettings(store, in);
  EXPECT_EQ(in.COMPort, out.COMPort);
  EXPECT_EQ(in.Port, 10001);
  EXPECT_EQ(in.ConnectionType, kConnectionTcpIp);
  EXPECT_TRUE(in.UseMRAHandshake && in.ShowASCII && in.ShowDestination && in.ShowNetwork && in.ShowApplication);
  EXPECT_TRUE(in.HexNumbers && in.AckChar && in.ShowDate && in.MMIAutoUpdate);
  EXPECT_FALSE(in.CombineLists || in.ShowDecodedMessage || in.ShowPCIData || in.WordWrap || in.ShowTime);
  EXPECT_FALSE(in.ShowApplicationWarning);
  EXPECT_EQ(in.TimeDP, 2);
  EXPECT_FALSE(in.ShowTab[kTabHVAC]);
  EXPECT_FALSE(in.ShowTab[kTabCustom]);
  EXPECT_TRUE(in.ShowTab[kTabLighting]);
  EXPECT_TRUE(in.ShowMessage);  // never read
}

TEST(ProgramSettings, TabKeys) {
  EXPECT_EQ(TabSettingKey(kTabLighting), "ShowLightingTab");
  EXPECT_EQ(TabSettingKey(kTabSceneMgt), "ShowSceneMgtTab");
  EXPECT_EQ(TabSettingKey(kTabShortInformation), "ShowShortInformationTab");
  EXPECT_EQ(TabSettingKey(kTabCount), "");
}

struct PlacementCase {
  const char* name;
  int left, top, width, height;  // stored; width 0 = nothing stored
  int screenW, screenH;
  FormPlacement expected;
};

TEST(ProgramSettings, SetFormSizeFitsThePlacementToTheScreen) {
  const PlacementCase cases[] = {
      {"default centred", 0, 0, 0, 0, 1920, 1080, {560, 240, 800, 600, false}},
      {"inside", 10, 20, 640, 480, 1920, 1080, {10, 20, 640, 480, false}},
      {"wider than the screen", 0, 0, 2000, 600, 1920, 1080, {0, 0, 2000, 600, true}},
      {"taller than the screen", 0, 0, 800, 1100, 1920, 1080, {0, 0, 800, 1100, true}},
      {"beyond the right and bottom", 1500, 900, 800, 600, 1920, 1080, {1120, 480, 800, 600, false}},
      {"left of and above 0", -50, -10, 800, 600, 1920, 1080, {0, 0, 800, 600, false}},
      {"screen smaller than default", 0, 0, 0, 0, 640, 480, {-80, -60, 800, 600, true}},
  };
  for (const auto& c : cases) {
    MemorySettingsStore store;
    if (c.width) SaveFormSize(store, "Main", {c.left, c.top, c.width, c.height, false});
    const FormPlacement p = SetFormSize(store, "Main", c.screenW, c.screenH);
    EXPECT_EQ(p.Maximised, c.expected.Maximised) << c.name;
    if (!p.Maximised) {
      EXPECT_EQ(p.Left, c.expected.Left) << c.name;
      EXPECT_EQ(p.Top, c.expected.Top) << c.name;
    }
    EXPECT_EQ(p.Width, c.expected.Width) << c.name;
    EXPECT_EQ(p.Height, c.expected.Height) << c.name;
  }
  MemorySettingsStore store;
  SaveFormSize(store, "Main", {1, 2, 3, 4, false});
  EXPECT_EQ(store.ReadInteger("Forms\\Main", "Height", 0), 4);
}

TEST(ProgramSettings, WhatsNewRule) {
  MemorySettingsStore store;
  EXPECT_TRUE(WhatsNewShouldShow(store, "1.0.0"));  // AutoShow defaults on
  WhatsNewRemember(store, "1.0.0", false);
  EXPECT_FALSE(WhatsNewShouldShow(store, "1.0.0"));
  EXPECT_TRUE(WhatsNewShouldShow(store, "1.1.0"));  // an upgrade
  WhatsNewRemember(store, "1.1.0", true);
  EXPECT_TRUE(WhatsNewShouldShow(store, "1.1.0"));
}

}  // namespace
}  // namespace zelvo
