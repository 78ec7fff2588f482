#pragma once
// A load probe: with ZELVO_HEARTBEAT set to a file name, a 10 ms timer
// measures how late the event loop runs it and, with the panes' line counts,
// the command log's lines and the resident memory, writes the figures to
// that file at exit. Off (no timer at all) without the variable.
// ZELVO_HEARTBEAT_SECONDS closes the window after that many seconds.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

namespace zelvo {

class TMainForm;

class Heartbeat : public QObject {
  Q_OBJECT
 public:
  explicit Heartbeat(TMainForm& form);
  void Finish();

 private:
  void Beat();
  void Sample();

  TMainForm& form_;
  QString file_;
  QTimer beat_;
  QTimer sample_;
  QElapsedTimer clock_;
  qint64 last_ = 0;
  std::vector<qint64> lateness_;
  std::vector<long> rssKb_;
  int maxTransmitLines_ = 0;
  int maxReceiveLines_ = 0;
  bool finished_ = false;
  qint64 messagesAtLogStart_ = -1;
};

}  // namespace zelvo
