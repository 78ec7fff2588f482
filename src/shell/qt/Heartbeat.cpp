#include "shell/qt/Heartbeat.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QTextStream>
#include <algorithm>
#include <fstream>
#include <string>

#include "link/qt/QtLink.h"
#include "monitor/qt/MonitorMemo.h"
#include "shell/qt/MainForm.h"

namespace zelvo {

namespace {

constexpr int kBeatMs = 10;

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

qint64 Percentile(std::vector<qint64> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

Heartbeat::Heartbeat(TMainForm& form) : form_(form), file_(qEnvironmentVariable("ZELVO_HEARTBEAT")) {
  if (file_.isEmpty()) return;
  beat_.setTimerType(Qt::PreciseTimer);
  connect(&beat_, &QTimer::timeout, this, &Heartbeat::Beat);
  connect(&sample_, &QTimer::timeout, this, &Heartbeat::Sample);
  clock_.start();
  beat_.start(kBeatMs);
  sample_.start(1000);
  // ZELVO_HEARTBEAT_SECONDS: close the window after that long (a normal
  // exit, so settings and logs are closed as after a user's close).
  const int seconds = qEnvironmentVariableIntValue("ZELVO_HEARTBEAT_SECONDS");
  if (seconds > 0) QTimer::singleShot(seconds * 1000, &form_, [this] { form_.close(); });
}

void Heartbeat::Beat() {
  const qint64 now = clock_.elapsed();
  if (last_ != 0) lateness_.push_back(std::max<qint64>(0, now - last_ - kBeatMs));
  last_ = now;
  // Messages from here on must all reach the command log.
  if (messagesAtLogStart_ < 0 && form_.Monitor().Log.Enabled) messagesAtLogStart_ = form_.Link().ReceivedMessages();
}

void Heartbeat::Sample() {
  rssKb_.push_back(ResidentKb());
  maxTransmitLines_ = std::max(maxTransmitLines_, form_.TransmitMemo->document()->blockCount());
  maxReceiveLines_ = std::max(maxReceiveLines_, form_.ReceiveMemo->document()->blockCount());
}

void Heartbeat::Finish() {
  if (file_.isEmpty() || finished_) return;
  finished_ = true;
  Sample();
  QFile out(file_);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Text)) return;
  QTextStream s(&out);
  const std::size_t n = rssKb_.size();
  s << "beats " << lateness_.size() << "\n"
    << "lateness_p50_ms " << Percentile(lateness_, 0.50) << "\n"
    << "lateness_p99_ms " << Percentile(lateness_, 0.99) << "\n"
    << "lateness_max_ms " << Percentile(lateness_, 1.0) << "\n"
    << "rss_kb_first " << (n ? rssKb_.front() : 0) << "\n"
    << "rss_kb_after_10s " << (n > 10 ? rssKb_[10] : (n ? rssKb_.back() : 0)) << "\n"
    << "rss_kb_last " << (n ? rssKb_.back() : 0) << "\n"
    << "rss_kb_max " << (n ? *std::max_element(rssKb_.begin(), rssKb_.end()) : 0) << "\n"
    << "transmit_pane_lines_max " << maxTransmitLines_ << "\n"
    << "receive_pane_lines_max " << maxReceiveLines_ << "\n"
    << "received_bytes " << form_.Link().ReceivedBytes() << "\n"
    << "received_messages " << form_.Link().ReceivedMessages() << "\n"
    << "received_messages_while_logging "
    << (messagesAtLogStart_ < 0 ? 0 : form_.Link().ReceivedMessages() - messagesAtLogStart_) << "\n";
}

}  // namespace zelvo
