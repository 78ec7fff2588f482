// The traffic panes on screen: coloured runs, the 200-line limit, Scroll
// Lock, comments and the clock.

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>

#include "monitor/qt/MonitorMemo.h"
#include "qt/GuiFixture.h"

namespace zelvo::test {
namespace {

// The colour of the character at `pos` of line `line` of a pane.
QColor ColourAt(const QPlainTextEdit& pane, int line, int pos) {
  const QTextBlock block = pane.document()->findBlockByNumber(line);
  QTextCursor c(block);
  c.setPosition(block.position() + pos + 1);
  return c.charFormat().foreground().color();
}

TEST_F(MainWindowTest, LinesAreColouredAndPanesKeep200Lines) {
  TMainForm& f = Start();
  f.Action("Show Time")->trigger();  // no time stamp: positions are exact
  auto& m = f.GetTraffic().Monitor();
  m.DisplaySerialString(kStringReceive, "0538007901<CR>");
  m.DisplaySerialString(kStringReceive, " = Lighting, GA 1 On");
  m.DisplaySerialString(kStringComment, "## : note");
  const QPlainTextEdit& pane = *f.TransmitMemo;
  ASSERT_EQ(pane.document()->blockCount(), 3);
  EXPECT_EQ(pane.document()->findBlockByNumber(0).text().toStdString(), "Rx : 0538007901<CR>");
  EXPECT_EQ(ColourAt(pane, 0, 5), QColor(Qt::black));
  const QColor blue = ColourAt(pane, 0, 15);  // "<CR>"
  const QColor red = ColourAt(pane, 1, 6);    // " = ..."
  const QColor green = ColourAt(pane, 2, 0);  // "## : "
  EXPECT_NE(blue, QColor(Qt::black));
  EXPECT_NE(red, QColor(Qt::black));
  EXPECT_NE(green, QColor(Qt::black));
  EXPECT_NE(blue, red);
  EXPECT_NE(red, green);
  EXPECT_EQ(pane.document()->findBlockByNumber(2).text().toStdString(), "## : note");

  for (int i = 0; i < 250; ++i) m.DisplaySerialString(kStringTransmit, "line " + std::to_string(i));
  EXPECT_EQ(pane.document()->blockCount(), 200);
  EXPECT_EQ(pane.document()->firstBlock().text().toStdString(), "Tx : line 50");
  EXPECT_EQ(pane.document()->lastBlock().text().toStdString(), "Tx : line 249");
  f.Action("Clear Lists")->trigger();
  EXPECT_TRUE(pane.document()->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, ScrollLockHoldsLinesBackUntilReleased) {
  TMainForm& f = Start();
  f.Action("Show Time")->trigger();
  auto& m = f.GetTraffic().Monitor();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_ScrollLock, Qt::NoModifier);
  QCoreApplication::sendEvent(&f, &press);
  EXPECT_TRUE(f.SBScrollLockCheckBox->isChecked());
  for (int i = 0; i < 250; ++i) m.DisplaySerialString(kStringTransmit, std::to_string(i));
  EXPECT_TRUE(f.TransmitMemo->document()->toPlainText().isEmpty());
  f.SBScrollLockCheckBox->click();
  EXPECT_EQ(f.TransmitMemo->document()->blockCount(), 200);
  EXPECT_EQ(f.TransmitMemo->document()->firstBlock().text().toStdString(), "Tx : 50");
}

TEST_F(MainWindowTest, CommentClockAndWarningLabel) {
  TMainForm& f = Start();
  host.inputs.push_back(std::string("  meter 3 replaced "));
  f.Action("Insert Comment")->trigger();
  EXPECT_NE(f.TransmitMemo->document()->lastBlock().text().toStdString().find("## : "), std::string::npos);
  f.ClockTimerTimer();
  EXPECT_NE(f.ClockLabel->text().toStdString(), "-:--:--");
  f.Action("Log Commands")->trigger();
  EXPECT_TRUE(f.Action("Log Commands")->isChecked());
  EXPECT_EQ(f.SBWarningLabel->text().toStdString(), "LOGGING ACTIVE");
  f.Action("Log Commands")->trigger();
  EXPECT_EQ(f.SBWarningLabel->text().toStdString(), "");
  f.Action("&Print")->trigger();  // to a PDF in test mode
  EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace zelvo::test
