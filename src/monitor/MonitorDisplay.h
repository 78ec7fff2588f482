#pragma once
// The monitor panes as a model: coloured lines, the 200-line limit, the
// held-back lines of "Scroll Lock", the layout and the time stamp. A widget
// mirrors a pane through its listener and only draws the runs.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class Host;
struct CommandLog;

inline constexpr std::size_t kMonitorPaneLines = 200;
inline constexpr std::size_t kMonitorHeldLines = 200;

enum class MonitorColour : std::uint8_t { Black, Blue, Red, Green };

// Characters [Start, Start + Length) of a line share one colour.
struct ColourRun {
  std::uint32_t Start = 0;
  std::uint32_t Length = 0;
  MonitorColour Colour = MonitorColour::Black;
  bool operator==(const ColourRun&) const = default;
};

struct MonitorLine {
  std::string Text;
  std::vector<ColourRun> Runs;  // cover Text in order, no empty run
};

// Colours a line as the panes show it: "<" to ">" blue (terminator
// markers), "#" green (comments), and "=", "*" or a double quote switch to
// red, blue and red for the rest of the line (decoded texts, reconstructed
// messages, the ASCII rendering). Everything else is black.
MonitorLine ColourLine(std::string_view s);

// What a widget needs to mirror a pane incrementally.
class MonitorPaneListener {
 public:
  virtual ~MonitorPaneListener() = default;
  // A line was added at the end; the pane is scrolled to show it.
  virtual void LineAppended(const MonitorLine& line) = 0;
  // The first (oldest) line was removed.
  virtual void FrontLineDropped() = 0;
  virtual void Cleared() = 0;
};

// One read-only pane of at most 200 coloured lines.
class MonitorPane {
 public:
  void SetListener(MonitorPaneListener* listener) { listener_ = listener; }
  void Append(MonitorLine line);
  void Clear();

  const std::deque<MonitorLine>& Lines() const { return lines_; }
  std::size_t LineCount() const { return lines_.size(); }

 private:
  std::deque<MonitorLine> lines_;
  MonitorPaneListener* listener_ = nullptr;
};

// Lines held back while "Scroll Lock" is ticked: the newest 200.
class HeldLines {
 public:
  void Add(std::string line);
  void Clear() { lines_.clear(); }
  const std::deque<std::string>& Lines() const { return lines_; }

 private:
  std::deque<std::string> lines_;
};

// The menu and "Program Options" choices that shape the panes.
struct MonitorOptions {
  bool ShowTime = true;      // "Show Time"
  bool ShowDate = false;     // date in time stamps
  int TimeDP = 0;            // decimal places of time stamps, 0 to 2
  bool CombineLists = true;  // one combined pane
  bool WordWrap = true;      // "Word Wrap"
};

struct MonitorDisplay {
  MonitorOptions Options;
  MonitorPane TransmitMemo;  // "Transmit Data" (or both when combined)
  MonitorPane ReceiveMemo;   // "Receive Data"
  HeldLines HeldTransmit;
  HeldLines HeldReceive;
  bool ScrollLock = false;     // "Scroll Lock"
  bool DisplayEnabled = true;  // cleared while the unit-type setting works
};

// Text types of DisplaySerialString.
inline constexpr int kDisplayComment = 0;
inline constexpr int kDisplayTransmit = 1;
inline constexpr int kDisplayReceive = 2;

// The time stamp that panes and logs write: [short date + " "] HH:NN:SS
// [".t" or ".hh"], every field truncated.
std::string TimeStampText(const MonitorOptions& options, Host& host);

// The one way to show a line: time stamp, direction prefix, Scroll Lock,
// colouring, and a copy to the command log while logging is on.
void DisplaySerialString(MonitorDisplay& display, CommandLog& log, Host& host, int StringType, std::string_view s);
// Appends one coloured line to a pane and keeps it to 200 lines.
void AddStringToMemo(std::string_view s, MonitorPane& MemoToUse);

// "Scroll Lock" ticked or cleared; clearing it appends the held transmit
// lines, then the held receive lines, and empties both lists.
void SetScrollLock(MonitorDisplay& display, bool locked);
// "Clear Lists": empties both panes; the held-back lines stay.
void ClearLists(MonitorDisplay& display);

// SetLists: the layout that CombineLists asks for.
struct MonitorLayout {
  bool ReceiveVisible = false;
  std::string TransmitHeader;
  std::string ReceiveHeader;
  int ReceiveWidth = 0;  // two thirds of the window when shown
};
MonitorLayout SetLists(const MonitorOptions& options, int windowWidth);

// "Insert Comment": the line to show for a typed comment, or nothing when
// the trimmed text is empty.
std::optional<std::string> CommentLine(std::string_view text);
inline constexpr const char* kCommentTitle = "Log Comment";
inline constexpr const char* kCommentPrompt = "Comment :";
// The whole menu action: asks, then shows and logs the comment.
void ZelvoCommentMenuItemClick(MonitorDisplay& display, CommandLog& log, Host& host);

// The speed-bar clock.
inline constexpr const char* kClockLabelInitial = "-:--:--";
std::string ClockLabelText(Host& host);

}  // namespace zelvo
