#include "monitor/CommandLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "diagnostics/InterfaceState.h"
#include "monitor/TempDir.h"
#include "shell/Session.h"
#include "support/FakeHost.h"

namespace zelvo {
namespace {

using test::FakeHost;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Lines(int from, int to) {
  std::string s;
  for (int i = from; i <= to; ++i) s += "line " + std::to_string(i) + "\r\n";
  return s;
}

TEST(LogMakeFileName, DateAndTimeZeroPadded) {
  EXPECT_EQ(LogMakeFileName(DateTime{2012, 5, 4, 15, 30, 12, 999, 5}), "2012_05_04_153012_log.txt");
  EXPECT_EQ(LogMakeFileName(DateTime{2026, 1, 2, 3, 4, 5, 0, 5}), "2026_01_02_030405_log.txt");
  EXPECT_EQ(JoinPath("/a/b", "x.txt"), "/a/b/x.txt");
  EXPECT_EQ(JoinPath("/a/b/", "x.txt"), "/a/b/x.txt");
  EXPECT_EQ(JoinPath("", "x.txt"), "x.txt");
}

class CommandLogTest : public ::testing::Test {
 protected:
  void SetUp() override { host.dataFolder = dir.Path(); }
  void Write(int from, int to) {
    for (int i = from; i <= to; ++i) LogWriteItem(log, host, "line " + std::to_string(i));
  }
  TempDir dir;
  FakeHost host;
  CommandLog log;
};

TEST_F(CommandLogTest, SwitchingOnTwiceInOneSecondReplacesTheFile) {
  SetLogCommands(log, host, true);
  LogWriteItem(log, host, "first");
  OptionsLogCommandsItemClick(log, host);
  EXPECT_FALSE(log.Enabled);
  OptionsLogCommandsItemClick(log, host);
  EXPECT_TRUE(log.Enabled);
  LogWriteItem(log, host, "second");
  SetLogCommands(log, host, false);
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"2026_12_11_090507_log.txt"}));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log.txt")), "second\r\n");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(CommandLogTest, The100001stLineStartsANewFile) {
  SetLogCommands(log, host, true);
  Write(1, 99999);
  host.clockMs += 1000;  // the next file gets the time of the roll-over
  Write(100000, 100001);
  SetLogCommands(log, host, false);
  ASSERT_EQ(dir.Names(), (std::vector<std::string>{"2026_12_11_090507_log.txt", "2026_12_11_090508_log.txt"}));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log.txt")), Lines(1, 100000));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090508_log.txt")), Lines(100001, 100001));
}

TEST_F(CommandLogTest, RollOversWithinOneSecondDoNotReplaceEachOther) {
  log.LineLimit = 3;
  SetLogCommands(log, host, true);
  Write(1, 7);  // the seventh line is the 2 x limit + 1st
  SetLogCommands(log, host, false);
  ASSERT_EQ(dir.Names(), (std::vector<std::string>{"2026_12_11_090507_log.txt", "2026_12_11_090507_log_2.txt",
                                                   "2026_12_11_090507_log_3.txt"}));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log.txt")), Lines(1, 3));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log_2.txt")), Lines(4, 6));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log_3.txt")), Lines(7, 7));
}

TEST_F(CommandLogTest, AnUnwritableFolderIsReportedOnceAndLoggingGoesOn) {
  host.dataFolder = dir.File("missing/folder");
  SetLogCommands(log, host, true);
  Write(1, 5);
  EXPECT_TRUE(log.Enabled);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].Icon, MsgIcon::Error);
  EXPECT_NE(host.messages[0].Text.find("Cannot create file"), std::string::npos);
  // A new switch-on is a new attempt, reported again.
  SetLogCommands(log, host, false);
  SetLogCommands(log, host, true);
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(CommandLogTest, AFullDiskIsReportedOnce) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  ASSERT_TRUE(LogOpen(log, host, "/dev/full"));
  Write(1, 5);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].Text.find("Error writing file"), std::string::npos);
  EXPECT_EQ(log.LineCount, 0);
}

TEST_F(CommandLogTest, NoLineIsLostWhenTheNextFileCannotBeCreated) {
  log.LineLimit = 2;
  ASSERT_TRUE(LogOpen(log, host, dir.File("first.txt")));
  host.dataFolder = dir.File("missing");
  Write(1, 5);
  EXPECT_EQ(host.messages.size(), 1u);
  host.dataFolder = dir.Path();  // the folder is back: the next line rolls over
  Write(6, 6);
  Write(7, 7);
  LogClose(log);
  EXPECT_EQ(ReadBytes(dir.File("first.txt")), Lines(1, 6));
  EXPECT_EQ(ReadBytes(dir.File("2026_12_11_090507_log.txt")), Lines(7, 7));
}

// A small log as the monitor writes it.
const char* kLog =
    "09:05:07  Tx : \\06100000A3300051<CR>\r\n"
    "09:05:07  Tx :  = Local Network, Dest Unit 16, System Message\r\n"
    "09:05:07  Rx : g.\r\n"
    "09:05:07  Rx :  = OK\r\n"
    "09:05:08  Rx : 860C0C00A3300051<CR>\r\n"
    "09:05:08  Rx : 86010C02030CA3300051<CR>\r\n"
    "## : a comment with \\ and no marker\r\n"
    "Tx : \\0538007901  <CR>\r\n"
    "Rx : 860C0C00A3300051<CR>\n"    // a line feed alone ends a line too
    "Rx : a60c0c00a3300051<CR>\r\n"  // lower case: not a message
    "Rx : \r\n"
    "Tx : \\06100000A3300051";  // no end of line, no marker

TEST_F(CommandLogTest, ProcessLogFileExtractsTheCommands) {
  WriteBytes(dir.File("in.txt"), kLog);
  ASSERT_TRUE(ProcessLogFile(dir.File("in.txt"), dir.File("execute.txt")));
  EXPECT_EQ(ReadBytes(dir.File("execute.txt")), "\\06100000A3300051\r\n\r\n\\0538007901\r\n\r\n");
  EXPECT_FALSE(ProcessLogFile(dir.File("none.txt"), dir.File("execute.txt")));
}

TEST_F(CommandLogTest, FilterLogFileWritesPassingLinesWithTheirDecodedText) {
  Session session;
  WriteBytes(dir.File("in.txt"), kLog);
  const std::string out = dir.File("filtered.txt");
  int pumps = 0;
  ASSERT_TRUE(
      FilterLogFile(session.Decoder, CompileCriteria({"Local", "", "2"}), dir.File("in.txt"), out, [&] { ++pumps; }));
  EXPECT_EQ(ReadBytes(out),
            "09:05:07  Tx : \\06100000A3300051<CR>\r\n"
            "             = Local Network, Dest Unit 16, System Message\r\n"
            "09:05:08  Rx : 860C0C00A3300051<CR>\r\n"
            "             = Local Network, Source Unit 12, System Message\r\n"
            "Rx : 860C0C00A3300051<CR>\r\n"
            "   = Local Network, Source Unit 12, System Message\r\n"
            "Tx : \\06100000A3300051\r\n"
            "   = Local Network, Dest Unit 16, System Message\r\n");

  // No criteria: every message line, even one that decodes to nothing.
  ASSERT_TRUE(FilterLogFile(session.Decoder, CompileCriteria(ClearedCriteria()), dir.File("in.txt"), out));
  EXPECT_EQ(ReadBytes(out),
            "09:05:07  Tx : \\06100000A3300051<CR>\r\n"
            "             = Local Network, Dest Unit 16, System Message\r\n"
            "09:05:08  Rx : 860C0C00A3300051<CR>\r\n"
            "             = Local Network, Source Unit 12, System Message\r\n"
            "09:05:08  Rx : 86010C02030CA3300051<CR>\r\n"
            "             = Network 0103, Source Unit 12, System Message\r\n"
            "Tx : \\0538007901  <CR>\r\n"
            "   = \r\n"
            "Rx : 860C0C00A3300051<CR>\r\n"
            "   = Local Network, Source Unit 12, System Message\r\n"
            "Tx : \\06100000A3300051\r\n"
            "   = Local Network, Dest Unit 16, System Message\r\n");

  // Received only, remote network: one line.
  ASSERT_TRUE(FilterLogFile(session.Decoder, CompileCriteria({"0103", "", "1"}), dir.File("in.txt"), out));
  EXPECT_EQ(ReadBytes(out),
            "09:05:08  Rx : 86010C02030CA3300051<CR>\r\n"
            "             = Network 0103, Source Unit 12, System Message\r\n");
  EXPECT_FALSE(FilterLogFile(session.Decoder, CompileCriteria({"", "", "2"}), dir.File("none.txt"), out));
  // Stored messages decode in default mode, whatever the interface is in now.
  EXPECT_EQ(session.Interface.InterfaceOptions1, 0);
}

TEST_F(CommandLogTest, FilterLogFileItemStopsLoggingAsksAndOpensTheResult) {
  Session session;
  WriteBytes(dir.File("in.txt"), kLog);
  SetLogCommands(log, host, true);

  host.inputs = {std::nullopt};  // the file chooser cancelled: nothing happens
  FileFilterLogFileItem(log, host, session.Decoder, [] { return std::optional<TCriteriaList>(ClearedCriteria()); });
  EXPECT_TRUE(log.Enabled);

  host.inputs = {dir.File("in.txt")};
  FileFilterLogFileItem(log, host, session.Decoder, [] { return std::optional<TCriteriaList>(); });
  EXPECT_FALSE(log.Enabled);
  EXPECT_FALSE(std::filesystem::exists(dir.File("filtered.txt")));

  host.inputs = {dir.File("in.txt")};
  FileFilterLogFileItem(log, host, session.Decoder, [] {
    return std::optional<TCriteriaList>(TCriteriaList{"", "12", "2"});
  });
  EXPECT_EQ(host.opened, (std::vector<std::string>{dir.File("filtered.txt")}));
  EXPECT_NE(ReadBytes(dir.File("filtered.txt")).find("Source Unit 12"), std::string::npos);

  host.inputs = {dir.File("gone.txt")};
  FileProcessLogFileItem(log, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].Icon, MsgIcon::Information);
  EXPECT_EQ(host.messages[0].Text, "Error processing Log file.");

  host.inputs = {dir.File("in.txt")};
  FileProcessLogFileItem(log, host);
  EXPECT_TRUE(std::filesystem::exists(dir.File("execute.txt")));
}

TEST(ScriptDelay, SecondsWithFractionsOrOne) {
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds(" 0.5"), 0.5);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds("2"), 2.0);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds("x"), 1.0);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds(""), 1.0);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds("2s"), 1.0);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds("inf"), 1.0);
  EXPECT_DOUBLE_EQ(ScriptDelaySeconds("1e400"), 1.0);
}

TEST_F(CommandLogTest, ExecuteScriptPlaysCommandsCommentsPausesAndWaits) {
  WriteBytes(dir.File("script.txt"),
             "# start\r\n"
             "   \\0538007901\r\n"
             "D 0.5\r\n"
             "\r\n"
             "    \r\n"
             "\\0538007902\r\n"
             "P check the lights\r\n"
             "d lower case is a command\r\n"
             "Dxyz\r\n"
             "\\0538007903");
  LiveFilter filter;
  SetLiveFilterCriteria(filter, {"", "", "1"});
  std::vector<std::string> calls;
  ScriptActions a;
  a.Send = [&](std::string_view s) {
    calls.push_back("send " + std::string(s) + (filter.Checked ? " (filtered)" : ""));
  };
  a.Delay = [&](double t) { calls.push_back("wait " + std::to_string(t)); };
  a.Display = [&](int type, std::string_view s) {
    calls.push_back("show " + std::to_string(type) + " " + std::string(s));
  };
  a.Pause = [&](std::string_view s) { calls.push_back("pause " + std::string(s)); };

  ASSERT_TRUE(ExecuteScript(dir.File("script.txt"), filter, a));
  EXPECT_TRUE(filter.Checked);
  EXPECT_EQ(calls, (std::vector<std::string>{
                       "show 1 # start",
                       "send \\0538007901",
                       "wait 1.000000",
                       "show 1 # D 0.5",
                       "send \\0538007902",
                       "wait 0.500000",
                       "show 1 # P check the lights",
                       "pause Execution Paused:\n\n check the lights\n\nClick OK to continue",
                       "send d lower case is a command",
                       "wait 0.500000",
                       "show 1 # Dxyz",
                       "send \\0538007903",
                       "wait 1.000000",
                   }));
  EXPECT_FALSE(ExecuteScript(dir.File("none.txt"), filter, a));
}

}  // namespace
}  // namespace zelvo
