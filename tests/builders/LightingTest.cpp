#include "builders/Lighting.h"

#include "decode/Lighting.h"

#include <gtest/gtest.h>

#include <set>

#include "support/TrafficBench.h"

namespace zelvo {
namespace {

TEST(LightingBuilder, CommandTypes) {
  test::FakeHost host;
  RemoteNetworkSelection local;
  struct Case {
    int group;
    int type;
    int level;
    int rate;
    const char* text;
  };
  for (auto c : {Case{16, kLightingOn, 0, 0, "\\0538007910"}, Case{16, kLightingOff, 0, 0, "\\0538000110"},
                 Case{1, kLightingRamp, PercentToLevel(50), 1, "\\0538000A017F"},
                 Case{0x10, kLightingLrnInitDimmer, 0, 0, "\\053800030210EE"},
                 Case{0x10, kLightingLrnInitRelay, 0, 0, "\\053800030110EF"},
                 Case{0x10, kLightingLrnExitRelay, 0, 0, "\\0538000381106F"},
                 Case{0x10, kLightingLrnExitDimmer, 0, 0, "\\0538000382106E"},
                 Case{0x10, kLightingLrnCancel, 0, 0, "\\05380003801070"}, Case{5, kLightingNone, 0, 0, "\\053800"},
                 Case{300, kLightingOn, 0, 0, "\\05380079FF"}, Case{2, kLightingRamp, 255, 15, "\\0538007A02FF"}})
    EXPECT_EQ(LightingMakeCommandString(local, host, 56, c.group, c.type, c.level, c.rate), c.text) << c.type;
  RemoteNetworkSelection bad{true, "1"};
  EXPECT_EQ(LightingMakeCommandString(bad, host, 56, 1, kLightingOn, 0, 0), "");
  EXPECT_EQ(LightingTerminateRampString(local, host, 56, 0x22), "\\0538000922");
}

TEST(LightingBuilder, MakeSendCommandSendsARamp) {
  test::TrafficBench b;
  LightingMakeSendCommand(b.traffic, 205, 3, 128, 2);
  EXPECT_EQ(b.link.written, std::vector<std::string>{"\\05CD00120380\r"});
  b.session.User.Remote = {true, "1"};
  LightingMakeSendCommand(b.traffic, 205, 3, 128, 2);
  EXPECT_EQ(b.link.written.size(), 1u);
  EXPECT_EQ(b.host.messages.size(), 1u);
}

TEST(LightingBuilder, LevelConversionsAndTables) {
  EXPECT_EQ(PercentToLevel(100), 255);
  EXPECT_EQ(PercentToLevel(50), 127);
  EXPECT_EQ(LevelToPercent(255), 100);
  EXPECT_EQ(LevelToPercent(0), 0);
  EXPECT_EQ(LightingRampByte(0), 0x02);
  EXPECT_EQ(LightingRampByte(15), 0x7A);
  EXPECT_STREQ(LightingRampRateCaptions()[8], "over 1.5 minutes");
  EXPECT_EQ(LightingRunSpeeds()[3].IntervalMs, 20);
  EXPECT_TRUE(LightingRunSpeeds()[3].FullSpeed);
}

TEST(LightingBuilder, AllGroupsInThirtyTwoMessages) {
  const auto messages = LightingAllGroupMessages("\\053800", 0x01);
  ASSERT_EQ(messages.size(), 32u);
  EXPECT_EQ(messages.front(), "\\05380001000101010201030104010501060107");
  EXPECT_EQ(messages.back(), "\\05380001F801F901FA01FB01FC01FD01FE01FF");

  test::TrafficBench b;
  std::vector<bool> enabled;
  LightingAllGroupCommand(b.traffic, 56, 0x79, [&](bool on) { enabled.push_back(on); });
  EXPECT_EQ(b.link.written.size(), 32u);
  EXPECT_EQ(enabled, (std::vector<bool>{false, true}));
  EXPECT_GE(b.host.clockMs, 32 * 200);
}

TEST(LightingBuilder, RandomMessagesStayInRange) {
  std::uint32_t state = 12345;
  RandomSource random = [&](int n) {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
  };
  auto header = [](int app) { return "\\05" + HexOfSize(app, 1) + "00"; };
  RandomRunRange onOff{56, 56, 0, 0, kRandomOnOff};
  for (int i = 0; i < 50; ++i) {
    const auto m = LightingRandomCommand(onOff, random, header);
    EXPECT_TRUE(m == "\\0538007900" || m == "\\0538000100") << m;
  }
  RandomRunRange all{48, 50, 0, 255, kRandomConcatenated};
  std::set<std::size_t> lengths;
  for (int i = 0; i < 200; ++i) {
    const auto m = LightingRandomCommand(all, random, header);
    const int app = HexToInt(m.substr(3, 2));
    EXPECT_GE(app, 48);
    EXPECT_LE(app, 50);
    lengths.insert(m.size());
  }
  // 1 to 4 commands of 2 or 3 bytes each after the 3-byte header.
  EXPECT_GE(*lengths.begin(), 7u + 4u);
  EXPECT_LE(*lengths.rbegin(), 7u + 24u);
  EXPECT_GT(lengths.size(), 3u);
}

TEST(LightingRunTimer, FullSpeedWaitsForAcknowledgementsThenTimesOut) {
  LightingRun run;
  RunFlags flags;
  LightingSetSpeed(run, flags, 3);
  LightingSetToggle(run, flags, true);
  EXPECT_TRUE(flags.PciReady);
  EXPECT_EQ(LightingRunTimerTick(run, flags), LightingTick::Toggle);
  EXPECT_FALSE(run.TimerEnabled);
  LightingTickDone(run);
  EXPECT_TRUE(run.TimerEnabled);
  // No acknowledgement: 20 ticks of waiting, then the timeout.
  for (int i = 0; i < kPciWaitTicks; ++i) EXPECT_EQ(LightingRunTimerTick(run, flags), LightingTick::Wait) << i;
  EXPECT_EQ(LightingRunTimerTick(run, flags), LightingTick::Timeout);
  EXPECT_FALSE(run.Toggle);
  EXPECT_FALSE(run.TimerEnabled);
  EXPECT_FALSE(flags.RunActive);
}

TEST(LightingRunTimer, SlowRunsSendEveryTick) {
  LightingRun run;
  RunFlags flags;
  LightingSetSpeed(run, flags, 0);
  EXPECT_EQ(run.IntervalMs, 3000);
  LightingSetRun(run, flags, true);
  flags.PciReady = false;
  EXPECT_EQ(LightingRunTimerTick(run, flags), LightingTick::Random);
}

TEST(LightingTexts, WarningAndDescription) {
  EXPECT_TRUE(LightingApplicationNeedsWarning(47));
  EXPECT_FALSE(LightingApplicationNeedsWarning(127));
  EXPECT_EQ(LightingApplicationWarningText(true),
            "Use of Application Addresses outside the range 30 to 7F may cause undesirable effects.\n\r"
            "Click Ignore to stop this message from displaying again.");
  EXPECT_EQ(LightingCommandDescription("12", kLightingOn, 0, false), "GA12 100%");
  EXPECT_EQ(LightingCommandDescription("12", kLightingOff, 99, false), "GA12 0%");
  EXPECT_EQ(LightingCommandDescription("1", kLightingRamp, 128, false), "GA1 128");
  EXPECT_EQ(LightingCommandDescription("1", kLightingRamp, 128, true), "GA1 80");
  EXPECT_EQ(LightingCommandDescription("1", kLightingRamp, 127, false), "GA1 50%");
}

}  // namespace
}  // namespace zelvo
