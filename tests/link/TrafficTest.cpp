#include "link/Traffic.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/TrafficBench.h"

namespace zelvo {
namespace {

using test::TrafficBench;

TEST(TransmitPipeline, ChecksumThenAckCharacter) {
  TrafficBench b;
  b.session.Interface.InterfaceOptions1 = kDefaultModeOptions | kOptChecksum;
  b.session.User.UseAckChars = true;
  b.session.Traffic.NextAckChar = 'h';
  b.traffic.SendZelvoCommand("\\0538007901");
  ASSERT_EQ(b.link.written.size(), 1u);
  EXPECT_EQ(b.link.written[0], "\\053800790149h\r");
  EXPECT_EQ(b.session.Traffic.NextAckChar, 'i');
  EXPECT_FALSE(b.session.Traffic.Flags.PciReady);

  b.session.Interface.InterfaceOptions1 = kDefaultModeOptions;
  b.session.User.UseAckChars = false;
  b.traffic.SendZelvoCommand("\\0538007901");
  EXPECT_EQ(b.link.written[1], "\\0538007901\r");
}

TEST(TransmitPipeline, AckCharactersCycleAndOwnAckIsKept) {
  TrafficBench b;
  b.session.User.UseAckChars = true;
  std::string used;
  for (int i = 0; i < 21; ++i) {
    b.traffic.SendZelvoCommand("\\0538007901");
    used += b.link.written.back()[b.link.written.back().size() - 2];
  }
  EXPECT_EQ(used, "ghijklmnopqrstuvwxyzg");
  b.traffic.SendZelvoCommand("\\0538007901k");
  EXPECT_EQ(b.link.written.back(), "\\0538007901k\r");
  EXPECT_EQ(b.session.Traffic.NextAckChar, 'h');
}

TEST(TransmitPipeline, AckCharactersForFullSpeedRunsAndReliabilityTest) {
  TrafficBench b;
  auto& f = b.session.Traffic.Flags;
  f.FullSpeedRun = true;
  b.traffic.SendZelvoCommand("\\0538007901");
  EXPECT_EQ(b.link.written.back(), "\\0538007901\r");  // not running
  f.RunActive = true;
  b.traffic.SendZelvoCommand("\\0538007901");
  EXPECT_EQ(b.link.written.back(), "\\0538007901g\r");
  f = {};
  f.QualityTestShown = true;
  b.traffic.SendZelvoCommand("\\0538007901");
  EXPECT_EQ(b.link.written.back(), "\\0538007901h\r");
}

TEST(TransmitPipeline, ShownWithDecodedLineAndTrackedEvenWhenHidden) {
  TrafficBench b;
  b.session.Interface.PCIAddress = 1;
  b.traffic.SendZelvoString("~~~", "Set Basic Mode");
  ASSERT_EQ(b.monitor.lines.size(), 2u);
  EXPECT_EQ(b.monitor.lines[0], std::make_pair(kStringTransmit, std::string("~~~<CR>")));
  EXPECT_EQ(b.monitor.lines[1].second, " = Set Basic Mode");
  b.session.User.ShowDecodedMessage = false;
  b.monitor.showTransmitted = false;
  b.traffic.SendZelvoString("A3300051", "Set Default Mode");
  EXPECT_EQ(b.monitor.lines.size(), 2u);
  EXPECT_EQ(b.session.Interface.InterfaceOptions1, kDefaultModeOptions);
  EXPECT_EQ(b.link.written.back(), "A3300051\r");
}

TEST(TransmitPipeline, NothingOnAClosedLinkOrEmptyText) {
  TrafficBench b;
  b.link.open = false;
  b.traffic.SendZelvoCommand("\\0538007901");
  b.traffic.SendZelvoString("~~~", "x");
  b.link.open = true;
  b.traffic.SendZelvoCommand("");
  EXPECT_TRUE(b.link.written.empty());
  EXPECT_TRUE(b.monitor.lines.empty());
  EXPECT_EQ(b.session.Traffic.NextAckChar, 'g');
}

TEST(TransmitPipeline, DelayTakesAtLeastOneStep) {
  TrafficBench b;
  b.traffic.Delay(0);
  EXPECT_EQ(b.host.clockMs, 100);
  EXPECT_EQ(b.host.pumps, 1);
  b.traffic.Delay(0.2);
  EXPECT_EQ(b.host.clockMs, 100 + 300);
}

TEST(ReceiveAssembler, ChunksMakeOneMessageAndLineFeedIsHidden) {
  TrafficBench b;
  b.session.Traffic.WaitingRequests.push_back(std::make_shared<ReplyList>());
  b.traffic.ProcessReceivedText("0538");
  EXPECT_TRUE(b.monitor.lines.empty());
  b.traffic.ProcessReceivedText("007901\r\n");
  ASSERT_GE(b.monitor.lines.size(), 1u);
  EXPECT_EQ(b.monitor.lines[0], std::make_pair(kStringReceive, std::string("0538007901<CR>")));
  for (auto& l : b.monitor.lines) EXPECT_NE(l.second, "<LF>");
  auto& replies = *b.session.Traffic.WaitingRequests[0];
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0], "0538007901<CR>");
  EXPECT_EQ(b.session.Traffic.ReceiveBuffer, "");
}

TEST(ReceiveAssembler, AckAndConfirmation) {
  TrafficBench b;
  b.session.Interface.InterfaceOptions1 = kDefaultModeOptions;
  b.session.Traffic.Flags.PciReady = false;
  b.traffic.ProcessReceivedText("h.");
  EXPECT_TRUE(b.session.Traffic.Flags.PciReady);
  EXPECT_TRUE(b.session.Traffic.Flags.PciResponded);
  ASSERT_EQ(b.monitor.lines.size(), 2u);
  EXPECT_EQ(b.monitor.lines[0].second, "h.");
  EXPECT_EQ(b.monitor.lines[1].second, " = OK");
}

TEST(ReceiveAssembler, Renderings) {
  struct Case {
    std::string in;
    std::string shown;
  };
  for (const auto& c : {Case{std::string("05\x05", 3), "05<5>"}, Case{"AB\x11", "AB<XON>"}, Case{"AB\x13", "AB<XOFF>"},
                        Case{"A\x7F", "A<127>"}, Case{"A\xFF", "A<255>"}, Case{"0538007901!", "0538007901!"},
                        Case{"~", "~"}, Case{"'", "'"}}) {
    TrafficBench b;
    b.traffic.ProcessReceivedText(c.in);
    ASSERT_FALSE(b.monitor.lines.empty()) << c.shown;
    EXPECT_EQ(b.monitor.lines[0].second, c.shown);
  }
}

TEST(ReceiveAssembler, MessageTextIsEmptyWithoutMarkerAfterTwoCharacters) {
  TrafficBench b;
  b.session.Interface.AllMonitorActive = true;  // count what M is
  b.traffic.ProcessReceivedText("0538007901!");
  EXPECT_EQ(b.session.Analyser.MessagesInSlot, 0);  // M is empty: not counted
  b.traffic.ProcessReceivedText("0538007901\r");
  EXPECT_EQ(b.session.Analyser.MessagesInSlot, 1);
  EXPECT_TRUE(b.monitor.lines.empty());  // nothing shown in all-monitor mode
}

TEST(ReceiveAssembler, ShowAsciiSuffixReachesPendingReplies) {
  TrafficBench b;
  b.session.User.ShowASCII = true;
  b.session.Traffic.WaitingRequests.push_back(std::make_shared<ReplyList>());
  b.traffic.ProcessReceivedText("414243\r");
  EXPECT_EQ(b.monitor.lines[0].second, "414243<CR>  \"ABC\"");
  EXPECT_EQ(b.session.Traffic.WaitingRequests[0]->front(), "414243<CR>  \"ABC\"");
  EXPECT_EQ(ShowAsciiText("41007A<CR>"), "A_z");
}

TEST(ReceiveAssembler, OverlongMessageIsCutAtTheCap) {
  TrafficBench b;
  std::string flood(3 * kMaxReceiveBuffer + 10, '5');
  b.traffic.ProcessReceivedText(flood);
  EXPECT_EQ(b.session.Traffic.OverlongMessages, 3u);
  EXPECT_EQ(b.session.Traffic.ReceiveBuffer.size(), 10u);
  EXPECT_EQ(b.monitor.lines.size(), 3u);
}

TEST(ReceiveAssembler, ErrorHistoryKeepsSixLines) {
  TrafficBench b;
  b.session.Interface.InterfaceOptions1 = kDefaultModeOptions;
  // Accepted by the recording monitor when the flags-15 text names the application.
  for (int i = 0; i < 10; ++i) b.traffic.ProcessReceivedText("050CCE0001020304050600\r");
  EXPECT_LE(b.session.Traffic.ErrorHistory.size(), kErrorHistoryLines);
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

TEST(ReceiveAssembler, NumberFormatSwitchClearsErrorHistory) {
  test::TrafficBench b;
  b.session.Traffic.ErrorHistory = {"a", "b"};
  SetNumberFormat(b.session, true);
  EXPECT_TRUE(b.session.User.HexNumbers);
  EXPECT_TRUE(b.session.Traffic.ErrorHistory.empty());
}

TEST(TransmitPipeline, DelayOfANonsenseValueIsOneStep) {
  test::TrafficBench b;
  b.traffic.Delay(-5);
  b.traffic.Delay(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(b.host.clockMs, 200);
}

}  // namespace
}  // namespace zelvo
