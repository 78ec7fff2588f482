#include "monitor/qt/MonitorApi.h"

#if !__has_include("monitor/Monitor.h")

#include <cstdio>

#include "link/Codec.h"

namespace zelvo {

namespace {
constexpr std::size_t kLines = 200;

void Hold(std::deque<std::string>& held, std::string line) {
  held.push_back(std::move(line));
  if (held.size() > kLines) held.pop_front();
}
}  // namespace

void MonitorPane::Append(MonitorLine line) {
  lines_.push_back(std::move(line));
  if (listener_) listener_->LineAppended(lines_.back());
  while (lines_.size() > kLines) {
    lines_.pop_front();
    if (listener_) listener_->FrontLineDropped();
  }
}

void MonitorPane::Clear() {
  lines_.clear();
  if (listener_) listener_->Cleared();
}

MonitorLine ColourLine(std::string_view s) {
  MonitorLine line{std::string(s), {}};
  MonitorColour colour = MonitorColour::Black;
  bool verbatim = false;
  auto put = [&](std::uint32_t i, MonitorColour c) {
    if (!line.Runs.empty() && line.Runs.back().Colour == c)
      ++line.Runs.back().Length;
    else
      line.Runs.push_back({i, 1, c});
  };
  for (std::uint32_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (verbatim) {
      put(i, colour);
      continue;
    }
    switch (c) {
      case '<':
        colour = MonitorColour::Blue;
        put(i, colour);
        break;
      case '>':
        put(i, colour);
        colour = MonitorColour::Black;
        break;
      case '=':
        colour = MonitorColour::Red;
        put(i, colour);
        verbatim = true;
        break;
      case '*':
        colour = MonitorColour::Blue;
        put(i, colour);
        verbatim = true;
        break;
      case '"':
        colour = MonitorColour::Red;
        put(i, colour);
        verbatim = true;
        break;
      case '#':
        colour = MonitorColour::Green;
        put(i, colour);
        break;
      default: put(i, colour);
    }
  }
  return line;
}

std::string TimeStampText(const MonitorOptions& o, Host& host) {
  const DateTime t = host.Now();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  std::string s = o.ShowDate ? host.ShortDate(t) + " " + buf : std::string(buf);
  if (o.TimeDP == 1) s += "." + std::to_string(t.Millisecond / 100);
  if (o.TimeDP == 2) {
    std::snprintf(buf, sizeof buf, ".%02d", t.Millisecond / 10);
    s += buf;
  }
  return s;
}

void DisplaySerialString(MonitorDisplay& d, CommandLog& log, Host& host, int type, std::string_view s) {
  if (!d.DisplayEnabled) return;
  const std::string stamp = d.Options.ShowTime ? TimeStampText(d.Options, host) + "  " : "";
  const bool comment = !s.empty() && s[0] == '#';
  const std::string prefixed = comment ? std::string(s) : (type == 1 ? "Tx : " : "Rx : ") + std::string(s);
  const std::string line = stamp + (!d.Options.CombineLists || comment ? std::string(s) : prefixed);
  const bool transmitPane = type == 1 || d.Options.CombineLists;
  if (d.ScrollLock)
    Hold(transmitPane ? d.HeldTransmit : d.HeldReceive, line);
  else
    (transmitPane ? d.TransmitMemo : d.ReceiveMemo).Append(ColourLine(line));
  if (log.Enabled && log.File) {
    std::fprintf(log.File, "%s%s\r\n", stamp.c_str(), prefixed.c_str());
    ++log.LineCount;
  }
}

void SetScrollLock(MonitorDisplay& d, bool locked) {
  d.ScrollLock = locked;
  if (locked) return;
  for (auto& l : d.HeldTransmit) d.TransmitMemo.Append(ColourLine(l));
  for (auto& l : d.HeldReceive) d.ReceiveMemo.Append(ColourLine(l));
  d.HeldTransmit.clear();
  d.HeldReceive.clear();
}

void ClearLists(MonitorDisplay& d) {
  d.TransmitMemo.Clear();
  d.ReceiveMemo.Clear();
}

MonitorLayout SetLists(const MonitorOptions& o, int width) {
  if (o.CombineLists) return {false, "Transmit and Receive Data", "Receive Data", 0};
  return {true, "Transmit Data", "Receive Data", width * 2 / 3};
}

void ZelvoCommentMenuItemClick(MonitorDisplay& d, CommandLog& log, Host& host) {
  const auto text = host.InputBox("Log Comment", "Comment :", "");
  if (!text || Trim(*text).empty()) return;
  DisplaySerialString(d, log, host, 0, "## : " + *text);
}

std::string ClockLabelText(Host& host) { return host.LongTime(host.Now()); }

void SetLogCommands(CommandLog& log, Host& host, bool on) {
  if (log.File) std::fclose(log.File);
  log.File = nullptr;
  log.Enabled = on;
  if (!on) return;
  const DateTime t = host.Now();
  char name[48];
  std::snprintf(name, sizeof name, "%04d_%02d_%02d_%02d%02d%02d_log.txt", t.Year, t.Month, t.Day, t.Hour, t.Minute,
                t.Second);
  log.FileName = host.DataFolder() + "/" + name;
  log.File = std::fopen(log.FileName.c_str(), "wb");
  log.LineCount = 0;
}

void OptionsLogCommandsItemClick(CommandLog& log, Host& host) { SetLogCommands(log, host, !log.Enabled); }

std::string UpdateWarningLabel(const MonitorState& m) { return m.Log.Enabled ? "LOGGING ACTIVE" : ""; }

bool MonitorModel::ErrorHistoryAccepts(std::string_view decoded) {
  return decoded.find("Error Reporting") != std::string_view::npos;
}

}  // namespace zelvo

#endif
