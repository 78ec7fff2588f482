#pragma once
// A monitor pane on screen: mirrors one pane of the monitor model and draws
// its coloured runs. Received bytes are inserted as plain text runs with a
// character format, never as markup.

#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <array>

#include "monitor/Monitor.h"

namespace zelvo {

class MonitorMemo : public QPlainTextEdit, public MonitorPaneListener {
  Q_OBJECT
 public:
  explicit MonitorMemo(const QString& objectName, QWidget* parent = nullptr);

  void LineAppended(const MonitorLine& line) override;
  void FrontLineDropped() override;
  void Cleared() override;

  // "Word Wrap": wrap with a vertical scroll bar only, or both bars.
  void UpdateWordWrap(bool wrap);
  // Redraws every line of the pane (after a layout change or at start).
  void Reload(const MonitorPane& pane);

 signals:
  // The pop-up menu's "Set Font...".
  void fontRequested();

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void InsertLine(const MonitorLine& line);

  std::array<QTextCharFormat, 4> formats_;
  int lines_ = 0;
};

}  // namespace zelvo
