#pragma once
// Stand-in for the monitor core (panes, time stamp, command log) with its
// names and behaviour, used only while that core is not in the build.

#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/MonitorPort.h"
#include "shell/Host.h"

namespace zelvo {

struct DecodeContext;

enum class MonitorColour : std::uint8_t { Black, Blue, Red, Green };
struct ColourRun {
  std::uint32_t Start = 0;
  std::uint32_t Length = 0;
  MonitorColour Colour = MonitorColour::Black;
};
struct MonitorLine {
  std::string Text;
  std::vector<ColourRun> Runs;
};

class MonitorPaneListener {
 public:
  virtual ~MonitorPaneListener() = default;
  virtual void LineAppended(const MonitorLine& line) = 0;
  virtual void FrontLineDropped() = 0;
  virtual void Cleared() = 0;
};

class MonitorPane {
 public:
  void SetListener(MonitorPaneListener* l) { listener_ = l; }
  void Append(MonitorLine line);
  void Clear();
  const std::deque<MonitorLine>& Lines() const { return lines_; }
  std::size_t LineCount() const { return lines_.size(); }

 private:
  std::deque<MonitorLine> lines_;
  MonitorPaneListener* listener_ = nullptr;
};

struct MonitorOptions {
  bool ShowTime = true;
  bool ShowDate = false;
  int TimeDP = 0;
  bool CombineLists = true;
  bool WordWrap = true;
};

struct MonitorDisplay {
  MonitorOptions Options;
  MonitorPane TransmitMemo;
  MonitorPane ReceiveMemo;
  std::deque<std::string> HeldTransmit;
  std::deque<std::string> HeldReceive;
  bool ScrollLock = false;
  bool DisplayEnabled = true;
};

struct CommandLog {
  bool Enabled = false;
  int LineCount = 0;
  std::string FileName;
  std::FILE* File = nullptr;
};

struct MonitorState {
  MonitorDisplay Display;
  CommandLog Log;
};

inline constexpr const char* kClockLabelInitial = "-:--:--";

MonitorLine ColourLine(std::string_view s);
std::string TimeStampText(const MonitorOptions& options, Host& host);
void DisplaySerialString(MonitorDisplay& display, CommandLog& log, Host& host, int StringType, std::string_view s);
void SetScrollLock(MonitorDisplay& display, bool locked);
void ClearLists(MonitorDisplay& display);
struct MonitorLayout {
  bool ReceiveVisible = false;
  std::string TransmitHeader;
  std::string ReceiveHeader;
  int ReceiveWidth = 0;
};
MonitorLayout SetLists(const MonitorOptions& options, int windowWidth);
void ZelvoCommentMenuItemClick(MonitorDisplay& display, CommandLog& log, Host& host);
std::string ClockLabelText(Host& host);
void SetLogCommands(CommandLog& log, Host& host, bool on);
void OptionsLogCommandsItemClick(CommandLog& log, Host& host);
std::string UpdateWarningLabel(const MonitorState& monitor);

class MonitorModel : public MonitorPort {
 public:
  MonitorModel(MonitorState& state, DecodeContext&, Host& host) : state_(state), host_(host) {}
  void DisplaySerialString(int StringType, std::string_view s) override {
    zelvo::DisplaySerialString(state_.Display, state_.Log, host_, StringType, s);
  }
  bool LiveFilterMatches(std::string_view, bool) override { return true; }
  bool ErrorHistoryAccepts(std::string_view decoded) override;

 private:
  MonitorState& state_;
  Host& host_;
};

}  // namespace zelvo
