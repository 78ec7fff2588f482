#include "decode/Lighting.h"

#include <gtest/gtest.h>

#include <set>

#include "decode/Decode.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

class LightingDecode : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  // The commands of a message from unit 0C for application `app` (two hex
  // digits), with a checksum byte the decoder never reads.
  std::string Commands(std::string_view app, std::string_view commands) {
    return DecodeMessage(session.Decoder, "050C" + std::string(app) + "00" + std::string(commands) + "00", 8);
  }
  Session session;
};

struct Case {
  const char* commands;
  const char* text;
};

TEST_F(LightingDecode, WholeMessages) {
  EXPECT_EQ(DecodeMessage(session.Decoder, "050C3800790539", 15), "Local Network, Source Unit 12, Lighting, GA 5 On");
  EXPECT_EQ(DecodeMessage(session.Decoder, "050C3800790539", 13), "Source Unit 12, Lighting, GA 5 On");
  EXPECT_EQ(DecodeMessage(session.Decoder, "050C38007905010639", 13), "Source Unit 12, Lighting, GA 5 On; GA 6 Off");
  EXPECT_EQ(DecodeMessage(session.Decoder, "050C3900020580FF", 13), "Source Unit 12, Lighting (57), GA 5 Set to 128");
  EXPECT_EQ(DecodeMessage(session.Decoder, "050CCA000203FF00", 13),
            "Source Unit 12, Trigger Control, Ctrl: Grp 3 set to 255");
  // A sent command through two bridges.
  EXPECT_EQ(DecodeMessage(session.Decoder, "\\03011202387905", 31), "Network 0102, Multipoint, Lighting, GA 5 On");
}

TEST_F(LightingDecode, LightingCommands) {
  for (auto c : {
           Case{"0105", "GA 5 Off"}, Case{"020500", "GA 5 Set to 0%"}, Case{"02057F", "GA 5 Set to 50%"},
           Case{"020580", "GA 5 Set to 128"}, Case{"0205FF", "GA 5 Set to 100%"},
           Case{"0A057F", "GA 5 Ramp to 50% at 4s rate"},
           Case{"420540", "GA 5 Ramp to 64 at 1.5m rate"},  // 25% would be 63
           Case{"7A05FF", "GA 5 Ramp to 100% at 17m rate"}, Case{"0905", "GA 5 Terminate Ramp"},
           Case{"7905", "GA 5 On"},
           // Learn: type, group, then the checksum of the two.
           Case{"030105FA", "Learn Initiate Relay, GA 5"}, Case{"030105FB", "Learn Initiate Relay, GA 5, BAD CHECKSUM"},
           Case{"03830578", "Learn Exit Area, GA 5"}, Case{"030705F4", "Learn -Unknown-, GA 5"},
           Case{"6905", "Unknown"}, Case{"087905", "Unknown; GA 5 On"},  // 08 has no parameters
       })
    EXPECT_EQ(Commands("38", c.commands), c.text) << c.commands;
  // The same command set on every lighting-like application.
  for (const char* app : {"26", "30", "5F", "60", "70", "73", "7F", "88"})
    EXPECT_EQ(Commands(app, "0105"), "GA 5 Off") << app;
}

TEST_F(LightingDecode, Labels) {
  for (auto c : {
           Case{"A6050001486921", "GA 5 Label, Variant 0, Language 1 [English], Text label, 3 Bytes = \"Hi!\""},
           Case{"A405000F41", "GA 5 Label, Variant 0, Language 15, Text label, 1 Bytes = \"A\""},
           Case{"A3050005", "GA 5 Label, Variant 0, Language 5 [English (Carribean)], Text label, 0 Bytes = \"\""},
           Case{"A305066E", "GA 5 Label, Variant 0, Language 110 [Spanish (Perto Rico)], Set Preferred Language"},
           Case{"A30566CA", "GA 5 Label, Variant 3, Language 202 [Chinese], Set Preferred Language"},
           // Predefined icon: the first data byte is skipped, then a big-endian word.
           Case{"A6050201001234", "GA 5 Label, Variant 0, Language 1 [English], Predefined icon 4660"},
           Case{"A40504AABB", "GA 5 Label, Variant 0, Dynamic icon, 2 Bytes = AA BB"},
           Case{"A4052CAABB", "GA 5 Label, Variant 1, No interpretation, 2 Bytes = AA BB"},
           // No action selector on lighting: the language is still the second
           // byte after the options, and the data starts at the language byte.
           Case{"A6050107414243",
                "GA 5 Label, Variant 0, Language 65 [Basque], Illegal Action Byte, Text label, 3 Bytes = \"ABC\""},
           Case{"A505090741AB", "GA 5 Label, Variant 0, Illegal Action Byte, No interpretation, 3 Bytes = 07 41 AB"},
       })
    EXPECT_EQ(Commands("38", c.commands), c.text) << c.commands;
}

TEST_F(LightingDecode, ControlCommandsOnTriggerAndEnable) {
  for (const char* app : {"CA", "CB"}) {
    for (auto c : {
             Case{"0103", "Ctrl: Grp 3 Off (0)"},
             Case{"0203FF", "Ctrl: Grp 3 set to 255"},
             Case{"02037F", "Ctrl: Grp 3 set to 127"},
             Case{"0903", "Ctrl: Grp 3 Scene Indicator Kill"},
             Case{"7903", "Ctrl: Grp 3 On (FF)"},
             Case{"0A0380", "Ctrl: Grp 3 set to 128 over 4s - illegal Application Use"},
             Case{"6903", "Ctrl:  - Unknown"},
             Case{
                 "A6030107014869",
                 "Ctrl: Grp 3 Label, Variant 0, Language 1 [English], Action Selector 7, Text label, 2 Bytes = \"Hi\""},
             Case{"A403090742", "Ctrl: Grp 3 Label, Variant 0, Action Selector 7, No interpretation, 1 Bytes = 42"},
         })
      EXPECT_EQ(Commands(app, c.commands), c.text) << app << " " << c.commands;
  }
}

TEST_F(LightingDecode, HexadecimalNumbers) {
  session.User.HexNumbers = true;
  for (auto c : {
           Case{"021C80", "GA 1C Set to 80"},
           Case{"0A1C7F", "GA 1C Ramp to 50% at 4s rate"},  // percentages stay decimal
           Case{"03011CE3", "Learn Initiate Relay, GA 1C"},
           Case{"A6050201001234", "GA 05 Label, Variant 00, Language 01 [English], Predefined icon 1234"},
           Case{"A6050011414243", "GA 05 Label, Variant 00, Language 11, Text label, 3 Bytes = \"ABC\""},
       })
    EXPECT_EQ(Commands("38", c.commands), c.text) << c.commands;
  EXPECT_EQ(Commands("CA", "021CFF"), "Ctrl: Grp 1C set to FF");
  EXPECT_EQ(DecodeMessage(session.Decoder, "051C3A00791C39", 13), "Source Unit 1C, Lighting (3A), GA 1C On");
}

TEST_F(LightingDecode, ReadingPastTheWorkspaceGivesTheEmptyResult) {
  // 200 bytes: 97 "on" commands, then a label without parameters at byte 198
  // whose options byte would be byte 200.
  std::string m = "050C3800";
  for (int i = 0; i < 97; ++i) m += "7905";
  EXPECT_NE(DecodeMessage(session.Decoder, m + "0000", 8), "");
  EXPECT_EQ(DecodeMessage(session.Decoder, m + "A000", 8), "");
  EXPECT_EQ(session.Decoder.Work.MessageLength, 200);
}

TEST(LightingTables, LevelsAndPercent) {
  EXPECT_EQ(LevelText(0, false), "0%");
  EXPECT_EQ(LevelText(127, false), "50%");
  EXPECT_EQ(LevelText(128, false), "128");
  EXPECT_EQ(LevelText(128, true), "80");
  EXPECT_EQ(LevelText(255, true), "100%");
  EXPECT_EQ(LevelToPercent(128), 50);
  EXPECT_EQ(PercentToLevel(50), 127);
  // Every percentage survives the round trip, so a level the Lighting tab
  // sends for a percentage decodes as that percentage.
  for (int p = 0; p <= 100; ++p) {
    EXPECT_EQ(LevelToPercent(PercentToLevel(p)), p) << p;
    EXPECT_EQ(LevelText(PercentToLevel(p), false), std::to_string(p) + "%") << p;
  }
}

TEST(LightingTables, RampRatesLearnTypesAndLanguages) {
  for (std::size_t i = 0; i < RampRateTexts.size(); ++i) {
    EXPECT_EQ(RampRateTexts[i].Byte, 0x02 + 8 * i);
    EXPECT_TRUE(IsRampCommand(RampRateTexts[i].Byte));
  }
  EXPECT_EQ(RampRateText(0x42), "1.5m");
  EXPECT_EQ(RampRateText(0x03), "");

  for (auto [v, text] : std::initializer_list<std::pair<int, const char*>>{{1, "Initiate Relay"},
                                                                           {2, "Initiate Dimmer"},
                                                                           {128, "Cancel"},
                                                                           {129, "Exit Relay"},
                                                                           {130, "Exit Dimmer"},
                                                                           {131, "Exit Area"},
                                                                           {0, "-Unknown-"},
                                                                           {3, "-Unknown-"},
                                                                           {132, "-Unknown-"}})
    EXPECT_EQ(LearnTypeText(v), text) << v;

  std::set<int> codes;
  for (const auto& l : LanguageNames) codes.insert(l.Code);
  EXPECT_EQ(codes.size(), 68u);
  for (int c = 0; c <= 255; ++c) {
    const bool listed = (c >= 1 && c <= 14) || (c >= 64 && c <= 116) || c == 202;
    EXPECT_EQ(!LanguageName(c).empty(), listed) << c;
  }
  EXPECT_EQ(LanguageName(13), "English (USA)");
  EXPECT_EQ(LanguageName(94), "Spanish (Argentine)");
  EXPECT_EQ(LanguageName(116), "Swedish (Finland)");
}

// "Automatic Refresh" keeps the MMI results of the shown application current.
class LightingMmiUpdate : public LightingDecode {
 protected:
  void SetUp() override {
    LightingDecode::SetUp();
    auto& mmi = session.Mmi;
    mmi.AutoRefresh = true;
    mmi.FParameter = 56;
    mmi.ResultsVisible = true;
    mmi.MMIResults.fill(-2);
    mmi.Redraw = [this] { ++redraws; };
  }
  int redraws = 0;
};

TEST_F(LightingMmiUpdate, LevelAndApplicationScans) {
  struct MmiCase {
    const char* commands;
    int level;        // result under a level scan
    int application;  // result under an application scan
  };
  for (auto c :
       {MmiCase{"0107", 0, 2}, MmiCase{"7907", 255, 1}, MmiCase{"020780", 128, 1}, MmiCase{"020700", 0, 2},
        MmiCase{"7A0740", 64, 1}, MmiCase{"0A0700", 0, 2}, MmiCase{"0907", -2, -2}, MmiCase{"A307000C", -2, -2}}) {
    for (int type : {kMmiLevel, kMmiApplication}) {
      session.Mmi.MMIType = type;
      session.Mmi.MMIResults[7] = -2;
      redraws = 0;
      Commands("38", c.commands);
      EXPECT_EQ(session.Mmi.MMIResults[7], type == kMmiLevel ? c.level : c.application) << c.commands << " " << type;
      EXPECT_EQ(redraws, 1) << c.commands << " " << type;  // every lighting command redraws
    }
  }
}

TEST_F(LightingMmiUpdate, OnlyTheShownApplicationWithRefreshOn) {
  session.Mmi.MMIType = kMmiLevel;
  Commands("39", "7907");  // another application
  EXPECT_EQ(session.Mmi.MMIResults[7], -2);
  Commands("CA", "7907");  // the control decoder never updates
  session.Mmi.FParameter = 202;
  Commands("CA", "7907");
  EXPECT_EQ(session.Mmi.MMIResults[7], -2);
  EXPECT_EQ(redraws, 0);

  session.Mmi.FParameter = 56;
  session.Mmi.ResultsVisible = false;  // updated, not drawn
  Commands("38", "79070106");
  EXPECT_EQ(session.Mmi.MMIResults[7], 255);
  EXPECT_EQ(session.Mmi.MMIResults[6], 0);
  EXPECT_EQ(redraws, 0);

  session.Mmi.ResultsVisible = true;
  session.Mmi.AutoRefresh = false;
  Commands("38", "0107");
  EXPECT_EQ(session.Mmi.MMIResults[7], 255);

  session.Mmi.AutoRefresh = true;
  session.Mmi.MMIType = kMmiInstallation;  // neither level nor application
  Commands("38", "0107");
  EXPECT_EQ(session.Mmi.MMIResults[7], 255);
  EXPECT_EQ(redraws, 0);

  session.Mmi.MMIType = kMmiLevel;
  session.Mmi.Redraw = nullptr;  // no window yet
  EXPECT_EQ(Commands("38", "0107"), "GA 7 Off");
  EXPECT_EQ(session.Mmi.MMIResults[7], 0);

  session.Decoder.Mmi = nullptr;  // no scan state at all
  EXPECT_EQ(Commands("38", "7907"), "GA 7 On");
}

}  // namespace
}  // namespace zelvo
