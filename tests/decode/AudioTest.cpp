#include "decode/Audio.h"

#include <gtest/gtest.h>

#include "decode/Decode.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

class AudioDecode : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  // The commands of an application-205 message from unit 0C.
  std::string Commands(std::string_view commands) {
    return DecodeMessage(session.Decoder, "050CCD00" + std::string(commands) + "00", 8);
  }
  Session session;
};

struct Case {
  const char* commands;
  const char* text;
};

TEST_F(AudioDecode, FunctionsOfOrdinaryAddresses) {
  for (auto c : {
           // 49: mux 1, zone 1, volume.
           Case{"0A4940", "MRA: Mux 1, Zone 1, Volume Ramp to -7.5dB at 4s rate"},
           Case{"024940", "MRA: Mux 1, Zone 1, Volume Set to -7.5dB"}, Case{"0149", "MRA: Mux 1, Zone 1, Volume Off"},
           Case{"0949", "MRA: Mux 1, Zone 1, Volume Terminate Ramp"},
           Case{"6949", "MRA: Mux 1, Zone 1, Volume"},  // unknown command: nothing after the name
           Case{"7948", "MRA: Mux 1, Zone 1, Timer On"}, Case{"02480C", "MRA: Mux 1, Zone 1, Timer Set to 12 min"},
           Case{"12BA80", "MRA: Mux 2, Zone 7, Balance Ramp to 0.0dB at 8s rate"},
           Case{"02030B", "MRA: Mux 0, Zone 0, Bass Set to -15.0dB"},
           Case{"0204FF", "MRA: Mux 0, Zone 0, Treble Set to 15.5dB"},
           Case{"3A4F40", "MRA: Mux 1, Zone 1, UNUSED Ramp to 64 at 1m rate"},
           // Mute: the level names the state, whatever the command byte.
           Case{"024D05", "MRA: Mux 1, Zone 1, Preamp Only, Preset Level"},
           Case{"0A4D00", "MRA: Mux 1, Zone 1, Amp Off"}, Case{"024D02", "MRA: Mux 1, Zone 1, Preamp Only"},
           Case{"024D07", "MRA: Mux 1, Zone 1, Preset Level"}, Case{"024DFF", "MRA: Mux 1, Zone 1, All On"},
           Case{"024D80", "MRA: Mux 1, Zone 1, Unknown Mute Level 128"},
           Case{"024D7F", "MRA: Mux 1, Zone 1, Unknown Mute Level 50%"},
           // Control functions.
           Case{"024E11", "MRA: Mux 1, Zone 1, Next Language"}, Case{"024E02", "MRA: Mux 1, Zone 1, Next Feed"},
           Case{"024E05", "MRA: Mux 1, Zone 1, Previous Feed"}, Case{"024E0C", "MRA: Mux 1, Zone 1, DAD Input"},
           Case{"024E0F", "MRA: Mux 1, Zone 1, TOSLINK Input"},
           Case{"024E03", "MRA: Mux 1, Zone 1, Unknown Control Function 3"},
           Case{"014E", "MRA: Mux 1, Zone 1, Dynamic 1 Pressed"}, Case{"794E", "MRA: Mux 1, Zone 1, Dynamic 2 Pressed"},
           Case{"094E", "MRA: Mux 1, Zone 1, Control Function Terminate Ramp -- illegal Application Use"},
           Case{"0A4E02", "MRA: Mux 1, Zone 1, Ramp to Next Feed at 4s rate -- illegal Application Use"},
           Case{"694E7948", "MRA: Mux 1, Zone 1, ; MRA: Mux 1, Zone 1, Timer On"},  // nothing for an unknown command
       })
    EXPECT_EQ(Commands(c.commands), c.text) << c.commands;
}

TEST_F(AudioDecode, GlobalAddresses) {
  for (auto c : {
           // The feed number travels in bits 3-5 of the command byte.
           Case{"0AC180", "MRA: Hi Priority Mux 1, All Zones, Set Feed 1, Volume Set to 6.0dB"},
           Case{"3AC040", "MRA: Hi Priority Mux 0, All Zones, Set Feed 7, Volume Set to -7.5dB"},
           Case{"01C2", "MRA: Hi Priority Mux 2, All Zones, Set Feed 0, Volume Off"},
           Case{"01C3", "MRA: Unknown"},
           Case{"02DF00", "MRA: Unknown"},
           Case{"01E1", "MRA: Unknown"},
           Case{"02E049", "MRA: Mux 1, Zone 1, Zone Label Request"},
           Case{"02E249", "MRA: Mux 1, Zone 1, Feed Label Request"},
           Case{"02E300", "MRA: Global Status Request"},
           Case{"01E5", "MRA: Global Amplifier Off Command"},
           Case{"0AE500", "MRA: Global Amplifier Off Command"},
           Case{"0AE501", "MRA: Non-Zero Level on Global Amplifier Off Group, IGNORED"},
           Case{"79E5", "MRA: Non-Zero Level on Global Amplifier Off Group, IGNORED"},
           Case{"02E648", "MRA: Mux 1, Zone 1, Overtemp Error"},
           Case{"02E64B", "MRA: Mux 1, Zone 1, Error Code 3"},
           Case{"02E749", "MRA: Mux 1, Zone 1, Feed Request"},
           // Preamp gain in bits 3-5 of the command byte.
           Case{"02E84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain 0 dB"},
           Case{"0AE84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain +6 dB"},
           Case{"12E84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain +3 dB"},
           Case{"1AE84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain -3 dB"},
           Case{"22E84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain -6 dB"},
           Case{"2AE84A", "MRA: Mux 1, Zone 1, Current Feed 2, Preamp Gain Unsupported Value"},
           Case{"0AE94A", "MRA: Mux 1, Zone 1, Set Feed 2, Suppress Labels"},
           Case{"12E94A", "MRA: Mux 1, Zone 1, Set Feed 2, Don't Suppress Labels"},
           Case{"01EA", "MRA: Unknown"},
           Case{"01FF", "MRA: Unknown"},
       })
    EXPECT_EQ(Commands(c.commands), c.text) << c.commands;
}

TEST_F(AudioDecode, Labels) {
  for (auto c : {
           Case{"A6480001486921",
                "MRA: Mux 1, Zone 1, Label Feed, Variant 0, Language 1 [English], Text label, 3 Bytes = \"Hi!\""},
           Case{"A44904AABB", "MRA: Mux 1, Zone 1, Label Dynamic 1, Variant 0, Dynamic icon, 2 Bytes = AA BB"},
           Case{"A34A060C",
                "MRA: Mux 1, Zone 1, Label Dynamic 2, Variant 0, Language 12 [English (UK)], Set Preferred Language"},
           Case{"A34B060C",
                "MRA: Mux 1, Zone 1, Label Zone, Variant 0, Language 12 [English (UK)], Set Preferred Language"},
           Case{"A34C0807", "MRA: Mux 1, Zone 1, Label Unused Label, Variant 0, No interpretation, 1 Bytes = 07"},
           Case{"A4FF090741",
                "MRA: Mux 3, Zone 7, Label Unused Label, Variant 0, Illegal Action Byte, No interpretation, 2 Bytes = "
                "07 41"},
       })
    EXPECT_EQ(Commands(c.commands), c.text) << c.commands;
}

TEST_F(AudioDecode, WholeMessageAndHexNumbers) {
  EXPECT_EQ(DecodeMessage(session.Decoder, "050CCD000A494000", 13),
            "Source Unit 12, Plug and Play Audio, MRA: Mux 1, Zone 1, Volume Ramp to -7.5dB at 4s rate");
  // Audio fields are always decimal; only the fallback levels follow the format.
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands("0AC180"), "MRA: Hi Priority Mux 1, All Zones, Set Feed 1, Volume Set to 6.0dB");
  EXPECT_EQ(Commands("02480C"), "MRA: Mux 1, Zone 1, Timer Set to 12 min");
  EXPECT_EQ(Commands("024D80"), "MRA: Mux 1, Zone 1, Unknown Mute Level 80");
  EXPECT_EQ(Commands("024E80"), "MRA: Mux 1, Zone 1, Unknown Control Function 80");
}

TEST(AudioLevels, VolumeCurveAndTone) {
  struct Level {
    int level;
    int function;
    const char* text;
  };
  for (auto c : {
           // Volume: the knees of the curve at 15/16, 31/32, 57/58 and 108/109.
           Level{0, 1, "-70.0dB"},
           Level{1, 1, "-68.0dB"},
           Level{15, 1, "-40.0dB"},
           Level{16, 1, "-38.0dB"},
           Level{31, 1, "-23.0dB"},
           Level{32, 1, "-22.0dB"},
           Level{33, 1, "-21.5dB"},
           Level{57, 1, "-9.5dB"},
           Level{58, 1, "-9.0dB"},
           Level{59, 1, "-8.8dB"},  // -8.75: halves round away from zero
           Level{61, 1, "-8.3dB"},  // -8.25
           Level{94, 1, "0.0dB"},
           Level{95, 1, "0.3dB"},  // 0.25
           Level{108, 1, "3.5dB"},
           Level{109, 1, "3.6dB"},  // 3.625
           Level{111, 1, "3.9dB"},  // 3.875
           Level{255, 1, "21.9dB"},
           // Balance, bass, treble: half-decibel steps of four levels.
           Level{0, 2, "-16.0dB"},
           Level{3, 2, "-16.0dB"},
           Level{4, 3, "-15.5dB"},
           Level{128, 4, "0.0dB"},
           Level{124, 4, "-0.5dB"},
           Level{255, 2, "15.5dB"},
           Level{0, 0, "0 min"},
           Level{255, 0, "255 min"},
           Level{200, 7, "200"},
       })
    EXPECT_EQ(AudioLevelText(c.level, c.function), c.text) << c.level << " " << c.function;
}

TEST(AudioLevels, NamesAndAddresses) {
  EXPECT_EQ(AudioFunctionName(kAudioControlFunction), "Control Function");
  EXPECT_EQ(AudioFunctionName(kAudioUnused), "UNUSED");
  EXPECT_EQ(MuxZoneText(0xBF), "Mux 2, Zone 7");
  EXPECT_EQ(MuteLevelText(1, false), "Unknown Mute Level 1");
  EXPECT_EQ(ControlFunctionText(255, false), "Dynamic 2 Pressed");
}

}  // namespace
}  // namespace zelvo
