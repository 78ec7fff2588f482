// The monitor behind the traffic engine: what a sent command and a received
// message leave in the panes, through the real transmit and receive paths.
#include "monitor/Monitor.h"

#include <gtest/gtest.h>

#include "diagnostics/InterfaceState.h"
#include "link/Traffic.h"
#include "monitor/TempDir.h"
#include "shell/Session.h"
#include "support/FakeHost.h"
#include "support/TrafficBench.h"

namespace zelvo {
namespace {

class MonitorModelTest : public ::testing::Test {
 protected:
  MonitorModelTest() : model(monitor, session.Decoder, host), traffic(session, host, model) {
    traffic.SetLink(&link);
    session.Interface.InterfaceOptions1 = kDefaultModeOptions;
    session.Decoder.DecodeOptions = 15;
    monitor.Display.Options.ShowTime = false;
    host.dataFolder = dir.Path();
  }
  std::vector<std::string> Pane() const {
    std::vector<std::string> out;
    for (const auto& l : monitor.Display.TransmitMemo.Lines()) out.push_back(l.Text);
    return out;
  }

  test::TempDir dir;
  Session session;
  test::FakeHost host;
  MonitorState monitor;
  MonitorModel model;
  test::FakeLink link;
  Traffic traffic;
};

TEST_F(MonitorModelTest, SentAndReceivedTrafficInTheCombinedPane) {
  traffic.SendZelvoCommand("\\06100000A3300051");
  traffic.ProcessReceivedText("860C0C00A3300051\r\n");
  EXPECT_EQ(Pane(), (std::vector<std::string>{
                        "Tx : \\06100000A3300051<CR>",
                        "Tx :  = Local Network, Dest Unit 16, System Message",
                        "Rx : 860C0C00A3300051<CR>",
                        "Rx :  = Local Network, Source Unit 12, System Message",
                    }));
}

TEST_F(MonitorModelTest, TheLiveFilterHidesButNeverStopsACommand) {
  SetLiveFilterCriteria(monitor.Filter, {"", "12", "1"});
  EXPECT_EQ(UpdateWarningLabel(monitor), "FILTERING ACTIVE");
  traffic.SendZelvoCommand("\\06100000A3300051");
  traffic.ProcessReceivedText("860C0C00A3300051\r\n86010C0D0A3300051\r\n");
  ASSERT_EQ(link.written.size(), 1u);
  EXPECT_EQ(Pane(), (std::vector<std::string>{"Rx : 860C0C00A3300051<CR>",
                                              "Rx :  = Local Network, Source Unit 12, System Message"}));
}

TEST_F(MonitorModelTest, ErrorHistoryAndAnalyserLogThroughThePort) {
  EXPECT_TRUE(model.ErrorHistoryAccepts("Local Network, Source Unit 16, Error Reporting, x"));
  session.User.HexNumbers = true;
  EXPECT_TRUE(model.ErrorHistoryAccepts("Local Network, Source Unit 10, Error Reporting, x"));
  EXPECT_FALSE(model.ErrorHistoryAccepts("Local Network, Source Unit 10, Lighting, GA 01 On"));

  model.AnalyserLogMessage("ignored while closed");
  const std::string path = dir.File("a.hve");
  ASSERT_TRUE(SecureLogOpen(monitor.AnalyserLog, host, path, 7));
  model.AnalyserLogMessage("050C3800790E00");
  SecureLogClose(monitor.AnalyserLog);
  ASSERT_EQ(SecureLogDecrypt(path), kSecureLogDecrypted);
  EXPECT_EQ(test::ReadBytes(dir.File("a.txt")), "050C3800790E00\r\n");
}

}  // namespace
}  // namespace zelvo
