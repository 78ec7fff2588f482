#pragma once
// A session wired to a fake link on a virtual clock: what the core writes is
// recorded and handed to a responder, which schedules replies; PumpOnce
// delivers every reply that is due through ProcessReceivedText.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "link/Link.h"
#include "link/MonitorPort.h"
#include "link/Traffic.h"
#include "shell/Session.h"
#include "support/FakeHost.h"

namespace zelvo::test {

class RecordingMonitor : public MonitorPort {
 public:
  void DisplaySerialString(int type, std::string_view s) override { lines.emplace_back(type, std::string(s)); }
  bool LiveFilterMatches(std::string_view, bool transmitted) override {
    return transmitted ? showTransmitted : showReceived;
  }
  bool ErrorHistoryAccepts(std::string_view decoded) override {
    return decoded.find("Error Reporting") != std::string_view::npos;
  }
  void AnalyserLogMessage(std::string_view m) override { analyserLog.emplace_back(m); }

  std::vector<std::pair<int, std::string>> lines;
  std::vector<std::string> analyserLog;
  bool showTransmitted = true;
  bool showReceived = true;
};

class FakeLink : public Link {
 public:
  bool IsOpen() const override { return open; }
  bool Write(std::string_view bytes) override {
    if (!open) return false;
    written.emplace_back(bytes);
    if (onWrite) onWrite(std::string(bytes));
    return true;
  }
  bool open = true;
  std::vector<std::string> written;
  std::function<void(const std::string&)> onWrite;
};

class TrafficBench {
 public:
  TrafficBench() : traffic(session, host, monitor) {
    traffic.SetLink(&link);
    host.onPump = [this] { Deliver(); };
    link.onWrite = [this](const std::string& w) {
      if (responder) responder(w);
    };
  }
  // Schedules `text` to arrive `afterMs` from now.
  void Reply(std::string text, std::int64_t afterMs = 0) { due.emplace_back(host.clockMs + afterMs, std::move(text)); }
  void Deliver() {
    std::vector<std::pair<std::int64_t, std::string>> keep;
    auto now = std::move(due);
    due.clear();
    for (auto& [at, text] : now) {
      if (at <= host.clockMs)
        traffic.ProcessReceivedText(text);
      else
        keep.emplace_back(at, std::move(text));
    }
    for (auto& k : keep) due.push_back(std::move(k));
  }

  Session session;
  FakeHost host;
  RecordingMonitor monitor;
  FakeLink link;
  Traffic traffic;
  std::function<void(const std::string&)> responder;
  std::vector<std::pair<std::int64_t, std::string>> due;
};

}  // namespace zelvo::test
