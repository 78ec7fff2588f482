#include "monitor/MonitorDisplay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/CommandLog.h"
#include "monitor/TempDir.h"
#include "support/FakeHost.h"

namespace zelvo {
namespace {

using test::FakeHost;
using C = MonitorColour;

// The text of each run with its colour, for readable expectations.
std::vector<std::pair<std::string, C>> Runs(const MonitorLine& line) {
  std::vector<std::pair<std::string, C>> out;
  for (const auto& r : line.Runs) out.emplace_back(line.Text.substr(r.Start, r.Length), r.Colour);
  return out;
}

TEST(MonitorColours, MixedLinesAreColouredByTheirMarkers) {
  struct Case {
    std::string text;
    std::vector<std::pair<std::string, C>> runs;
  };
  const std::vector<Case> cases = {
      {"09:05:07  Tx : \\0538007901<CR>", {{"09:05:07  Tx : \\0538007901", C::Black}, {"<CR>", C::Blue}}},
      // The ASCII suffix is red to the end.
      {"Rx : 414243<CR>  \"A<B\"",
       {{"Rx : 414243", C::Black}, {"<CR>", C::Blue}, {"  ", C::Black}, {"\"A<B\"", C::Red}}},
      // After "=" everything is red, markers included.
      {"Tx :  = GA 1 <On> # x", {{"Tx :  ", C::Black}, {"= GA 1 <On> # x", C::Red}}},
      // A comment is green until a marker; after ">" black again.
      {"## : note<7>tail", {{"## : note", C::Green}, {"<7>", C::Blue}, {"tail", C::Black}}},
      // A reconstructed line is blue to the end, quotes included.
      {" * \"Hi\" = x", {{" ", C::Black}, {"* \"Hi\" = x", C::Blue}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const MonitorLine line = ColourLine(c.text);
    EXPECT_EQ(line.Text, c.text);
    EXPECT_EQ(Runs(line), c.runs);
  }
}

struct EventLog : MonitorPaneListener {
  explicit EventLog(std::vector<std::string>& out, std::string name) : out_(out), name_(std::move(name)) {}
  void LineAppended(const MonitorLine& line) override { out_.push_back(name_ + "+" + line.Text); }
  void FrontLineDropped() override { out_.push_back(name_ + "-"); }
  void Cleared() override { out_.push_back(name_ + " cleared"); }
  std::vector<std::string>& out_;
  std::string name_;
};

TEST(MonitorPane, The201stLineDropsTheFirst) {
  MonitorPane pane;
  std::vector<std::string> events;
  EventLog listener(events, "T");
  pane.SetListener(&listener);
  for (int i = 1; i <= 201; ++i) AddStringToMemo("line " + std::to_string(i), pane);

  ASSERT_EQ(pane.LineCount(), 200u);
  EXPECT_EQ(pane.Lines().front().Text, "line 2");
  EXPECT_EQ(pane.Lines().back().Text, "line 201");
  ASSERT_EQ(events.size(), 202u);
  EXPECT_EQ(events[200], "T+line 201");
  EXPECT_EQ(events[201], "T-");
  pane.Clear();
  EXPECT_EQ(events.back(), "T cleared");
  EXPECT_EQ(pane.LineCount(), 0u);
}

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override { host.dataFolder = dir.Path(); }
  void Show(int type, const std::string& s) { DisplaySerialString(display, log, host, type, s); }
  static std::vector<std::string> Texts(const MonitorPane& pane) {
    std::vector<std::string> out;
    for (const auto& l : pane.Lines()) out.push_back(l.Text);
    return out;
  }

  test::TempDir dir;
  FakeHost host;
  MonitorDisplay display;
  CommandLog log;
};

TEST_F(DisplayTest, PrefixesAndPanesFollowTheLayoutWhileTheLogAlwaysCarriesTheDirection) {
  display.Options.ShowTime = false;
  SetLogCommands(log, host, true);
  const std::string path = log.FileName;

  display.Options.CombineLists = true;
  Show(kDisplayTransmit, "\\0538007901<CR>");
  Show(kDisplayTransmit, " = Lighting");
  Show(kDisplayReceive, "g.");
  Show(kDisplayComment, "## : hello");
  EXPECT_EQ(Texts(display.TransmitMemo),
            (std::vector<std::string>{"Tx : \\0538007901<CR>", "Tx :  = Lighting", "Rx : g.", "## : hello"}));
  EXPECT_EQ(display.ReceiveMemo.LineCount(), 0u);

  ClearLists(display);
  display.Options.CombineLists = false;
  Show(kDisplayTransmit, "\\0538007901<CR>");
  Show(kDisplayReceive, "g.");
  Show(kDisplayComment, "## : hello");  // comments go to the receive pane
  EXPECT_EQ(Texts(display.TransmitMemo), (std::vector<std::string>{"\\0538007901<CR>"}));
  EXPECT_EQ(Texts(display.ReceiveMemo), (std::vector<std::string>{"g.", "## : hello"}));
  EXPECT_EQ(Runs(display.ReceiveMemo.Lines().back()),
            (std::vector<std::pair<std::string, C>>{{"## : hello", C::Green}}));

  SetLogCommands(log, host, false);
  EXPECT_EQ(test::ReadBytes(path),
            "Tx : \\0538007901<CR>\r\nTx :  = Lighting\r\nRx : g.\r\n## : hello\r\n"
            "Tx : \\0538007901<CR>\r\nRx : g.\r\n## : hello\r\n");
}

TEST_F(DisplayTest, TimeStampsLeadPaneAndLogLines) {
  display.Options.ShowTime = true;
  display.Options.TimeDP = 1;
  SetLogCommands(log, host, true);
  const std::string path = log.FileName;
  Show(kDisplayTransmit, "\\0538007901<CR>");
  SetLogCommands(log, host, false);
  EXPECT_EQ(Texts(display.TransmitMemo), (std::vector<std::string>{"09:05:07.3  Tx : \\0538007901<CR>"}));
  EXPECT_EQ(test::ReadBytes(path), "09:05:07.3  Tx : \\0538007901<CR>\r\n");
}

TEST_F(DisplayTest, TimeStampTextTruncatesAtEachPlace) {
  struct Case {
    int ms;  // added to the fake clock's 09:05:07.300
    bool date;
    int dp;
    const char* text;
  };
  const Case cases[] = {
      {90, false, 0, "09:05:07"},          {90, false, 1, "09:05:07.3"},           {90, false, 2, "09:05:07.39"},
      {699, false, 1, "09:05:07.9"},       {699, false, 2, "09:05:07.99"},         {700, false, 2, "09:05:08.00"},
      {0, true, 0, "11/12/2026 09:05:07"}, {0, true, 2, "11/12/2026 09:05:07.30"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    host.clockMs = c.ms;
    display.Options.ShowDate = c.date;
    display.Options.TimeDP = c.dp;
    EXPECT_EQ(TimeStampText(display.Options, host), c.text);
  }
}

TEST_F(DisplayTest, ScrollLockHoldsTheLast200LinesAndReleasesTransmitThenReceive) {
  display.Options.ShowTime = false;
  display.Options.CombineLists = false;
  std::vector<std::string> events;
  EventLog tx(events, "T"), rx(events, "R");
  display.TransmitMemo.SetListener(&tx);
  display.ReceiveMemo.SetListener(&rx);

  SetScrollLock(display, true);
  Show(kDisplayReceive, "r1");
  for (int i = 1; i <= 250; ++i) Show(kDisplayTransmit, "t" + std::to_string(i));
  Show(kDisplayReceive, "r2");
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(display.HeldTransmit.Lines().size(), 200u);

  // Clearing the panes meanwhile leaves the held lines alone.
  ClearLists(display);
  events.clear();
  SetScrollLock(display, false);
  ASSERT_EQ(events.size(), 202u);
  EXPECT_EQ(events.front(), "T+t51");
  EXPECT_EQ(events[199], "T+t250");
  EXPECT_EQ(events[200], "R+r1");
  EXPECT_EQ(events[201], "R+r2");
  EXPECT_EQ(display.TransmitMemo.LineCount(), 200u);
  EXPECT_TRUE(display.HeldTransmit.Lines().empty());
  EXPECT_TRUE(display.HeldReceive.Lines().empty());

  display.TransmitMemo.SetListener(nullptr);
  display.ReceiveMemo.SetListener(nullptr);
}

TEST_F(DisplayTest, NothingIsShownHeldOrLoggedWhileTheDisplayIsDisabled) {
  SetLogCommands(log, host, true);
  const std::string path = log.FileName;
  display.DisplayEnabled = false;
  Show(kDisplayTransmit, "a");
  SetScrollLock(display, true);
  Show(kDisplayTransmit, "b");
  SetScrollLock(display, false);
  SetLogCommands(log, host, false);
  EXPECT_EQ(display.TransmitMemo.LineCount(), 0u);
  EXPECT_EQ(test::ReadBytes(path), "");
}

TEST_F(DisplayTest, InsertCommentShowsTrimmedNonEmptyTextsOnly) {
  display.Options.ShowTime = false;
  host.inputs = {std::string("   "), std::nullopt, std::string(" ok ")};
  for (int i = 0; i < 3; ++i) ZelvoCommentMenuItemClick(display, log, host);
  EXPECT_EQ(Texts(display.TransmitMemo), (std::vector<std::string>{"## :  ok "}));
}

TEST(MonitorLayout, CombinedAndSeparateLists) {
  MonitorOptions o;
  o.CombineLists = true;
  auto l = SetLists(o, 900);
  EXPECT_FALSE(l.ReceiveVisible);
  EXPECT_EQ(l.TransmitHeader, "Transmit and Receive Data");
  o.CombineLists = false;
  l = SetLists(o, 900);
  EXPECT_TRUE(l.ReceiveVisible);
  EXPECT_EQ(l.TransmitHeader, "Transmit Data");
  EXPECT_EQ(l.ReceiveHeader, "Receive Data");
  EXPECT_EQ(l.ReceiveWidth, 600);
}

TEST(MonitorClock, LabelShowsTheLongTime) {
  FakeHost host;
  host.clockMs = 61000;
  EXPECT_EQ(ClockLabelText(host), "09:06:08");
  EXPECT_STREQ(kClockLabelInitial, "-:--:--");
}

}  // namespace
}  // namespace zelvo
