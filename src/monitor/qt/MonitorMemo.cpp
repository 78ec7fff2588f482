#include "monitor/qt/MonitorMemo.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace zelvo {

namespace {

QColor Shade(MonitorColour c) {
  switch (c) {
    case MonitorColour::Black: return Qt::black;
    case MonitorColour::Blue: return QColor(0, 0, 224);
    case MonitorColour::Red: return QColor(200, 0, 0);
    case MonitorColour::Green: return QColor(0, 128, 0);
  }
  return Qt::black;
}

}  // namespace

MonitorMemo::MonitorMemo(const QString& objectName, QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(objectName);
  setReadOnly(true);
  setUndoRedoEnabled(false);
  for (MonitorColour c : {MonitorColour::Black, MonitorColour::Blue, MonitorColour::Red, MonitorColour::Green})
    formats_[static_cast<std::size_t>(c)].setForeground(Shade(c));
  QFont font(QStringLiteral("Monospace"));
  font.setStyleHint(QFont::TypeWriter);
  setFont(font);
  UpdateWordWrap(true);
}

void MonitorMemo::InsertLine(const MonitorLine& line) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  if (lines_ > 0) cursor.insertBlock();
  for (const ColourRun& run : line.Runs) {
    const QString text = QString::fromUtf8(line.Text.data() + run.Start, static_cast<qsizetype>(run.Length));
    cursor.insertText(text, formats_[static_cast<std::size_t>(run.Colour)]);
  }
  ++lines_;
}

void MonitorMemo::LineAppended(const MonitorLine& line) {
  // One repaint per line, however many runs it has; the model trims the
  // pane to 200 lines right after.
  setUpdatesEnabled(false);
  InsertLine(line);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  setUpdatesEnabled(true);
}

void MonitorMemo::FrontLineDropped() {
  if (lines_ <= 1) {
    Cleared();
    return;
  }
  setUpdatesEnabled(false);
  QTextCursor cursor(document()->firstBlock());
  cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  --lines_;
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  setUpdatesEnabled(true);
}

void MonitorMemo::Cleared() {
  clear();
  lines_ = 0;
}

void MonitorMemo::Reload(const MonitorPane& pane) {
  setUpdatesEnabled(false);
  Cleared();
  for (const MonitorLine& line : pane.Lines()) InsertLine(line);
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  setUpdatesEnabled(true);
}

void MonitorMemo::UpdateWordWrap(bool wrap) {
  setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void MonitorMemo::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  connect(menu.addAction(QStringLiteral("Set Font...")), &QAction::triggered, this, &MonitorMemo::fontRequested);
  menu.exec(event->globalPos());
}

}  // namespace zelvo
