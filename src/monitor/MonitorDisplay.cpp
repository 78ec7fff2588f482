#include "monitor/MonitorDisplay.h"

#include <cstdio>

#include "link/Codec.h"
#include "monitor/CommandLog.h"
#include "shell/Host.h"

namespace zelvo {

MonitorLine ColourLine(std::string_view s) {
  MonitorLine line;
  line.Text.assign(s);
  MonitorColour colour = MonitorColour::Black;
  bool verbatim = false;
  auto put = [&](std::size_t i, MonitorColour c) {
    if (!line.Runs.empty() && line.Runs.back().Colour == c) {
      ++line.Runs.back().Length;
    } else {
      line.Runs.push_back({static_cast<std::uint32_t>(i), 1, c});
    }
  };
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (verbatim) {
      put(i, colour);
      continue;
    }
    switch (s[i]) {
      case '<':
        colour = MonitorColour::Blue;
        put(i, colour);
        break;
      case '>':
        put(i, colour);
        colour = MonitorColour::Black;
        break;
      case '=':
      case '"':
        colour = MonitorColour::Red;
        put(i, colour);
        verbatim = true;
        break;
      case '*':
        colour = MonitorColour::Blue;
        put(i, colour);
        verbatim = true;
        break;
      case '#':
        colour = MonitorColour::Green;
        put(i, colour);
        break;
      default: put(i, colour); break;
    }
  }
  return line;
}

void MonitorPane::Append(MonitorLine line) {
  lines_.push_back(std::move(line));
  if (listener_) listener_->LineAppended(lines_.back());
  while (lines_.size() > kMonitorPaneLines) {
    lines_.pop_front();
    if (listener_) listener_->FrontLineDropped();
  }
}

void MonitorPane::Clear() {
  lines_.clear();
  if (listener_) listener_->Cleared();
}

void HeldLines::Add(std::string line) {
  lines_.push_back(std::move(line));
  while (lines_.size() > kMonitorHeldLines) lines_.pop_front();
}

std::string TimeStampText(const MonitorOptions& options, Host& host) {
  const DateTime t = host.Now();
  std::string out;
  if (options.ShowDate) {
    out = host.ShortDate(t);
    out += ' ';
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour % 100, t.Minute % 100, t.Second % 100);
  out += buf;
  // Truncated, never rounded: 07.39 s shows as 07.3 with one place.
  const int ms = t.Millisecond < 0 ? 0 : t.Millisecond % 1000;
  if (options.TimeDP == 1) {
    std::snprintf(buf, sizeof buf, ".%01d", ms / 100);
    out += buf;
  } else if (options.TimeDP == 2) {
    std::snprintf(buf, sizeof buf, ".%02d", ms / 10);
    out += buf;
  }
  return out;
}

void AddStringToMemo(std::string_view s, MonitorPane& MemoToUse) { MemoToUse.Append(ColourLine(s)); }

void DisplaySerialString(MonitorDisplay& display, CommandLog& log, Host& host, int StringType, std::string_view s) {
  if (!display.DisplayEnabled) return;
  const bool combined = display.Options.CombineLists;
  const bool comment = !s.empty() && s.front() == '#';
  const char* prefix = StringType == kDisplayTransmit ? "Tx : " : "Rx : ";

  std::string stamp;
  if (display.Options.ShowTime) stamp = TimeStampText(display.Options, host) + "  ";

  std::string line = stamp;
  if (!combined || comment) {
    line += s;
  } else {
    line += prefix;
    line += s;
  }

  const bool toTransmit = StringType == kDisplayTransmit || combined;
  if (display.ScrollLock) {
    (toTransmit ? display.HeldTransmit : display.HeldReceive).Add(std::move(line));
  } else {
    AddStringToMemo(line, toTransmit ? display.TransmitMemo : display.ReceiveMemo);
  }

  if (log.Enabled) {
    // The log always carries the direction, whatever the layout.
    std::string logged = stamp;
    if (!comment) logged += prefix;
    logged += s;
    LogWriteItem(log, host, logged);
  }
}

void SetScrollLock(MonitorDisplay& display, bool locked) {
  display.ScrollLock = locked;
  if (locked) return;
  for (const auto& l : display.HeldTransmit.Lines()) AddStringToMemo(l, display.TransmitMemo);
  for (const auto& l : display.HeldReceive.Lines()) AddStringToMemo(l, display.ReceiveMemo);
  display.HeldTransmit.Clear();
  display.HeldReceive.Clear();
}

void ClearLists(MonitorDisplay& display) {
  display.TransmitMemo.Clear();
  display.ReceiveMemo.Clear();
}

MonitorLayout SetLists(const MonitorOptions& options, int windowWidth) {
  MonitorLayout layout;
  layout.ReceiveHeader = "Receive Data";
  if (options.CombineLists) {
    layout.TransmitHeader = "Transmit and Receive Data";
  } else {
    layout.TransmitHeader = "Transmit Data";
    layout.ReceiveVisible = true;
    layout.ReceiveWidth = windowWidth * 2 / 3;
  }
  return layout;
}

std::optional<std::string> CommentLine(std::string_view text) {
  if (TrimView(text).empty()) return std::nullopt;
  return "## : " + std::string(text);
}

void ZelvoCommentMenuItemClick(MonitorDisplay& display, CommandLog& log, Host& host) {
  const auto typed = host.InputBox(kCommentTitle, kCommentPrompt, "");
  if (!typed) return;
  if (auto line = CommentLine(*typed)) DisplaySerialString(display, log, host, kDisplayComment, *line);
}

std::string ClockLabelText(Host& host) { return host.LongTime(host.Now()); }

}  // namespace zelvo
