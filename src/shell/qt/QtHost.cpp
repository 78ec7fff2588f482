#include "shell/qt/QtHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include "shell/Caption.h"

namespace zelvo {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QDateTime ToQt(const DateTime& t) {
  return QDateTime(QDate(t.Year, t.Month, t.Day), QTime(t.Hour, t.Minute, t.Second, t.Millisecond));
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons b) {
  switch (b) {
    case MsgButtons::Ok: return QMessageBox::Ok;
    case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OkIgnore: return QMessageBox::Ok | QMessageBox::Ignore;
  }
  return QMessageBox::Ok;
}

MsgResult FromQt(int button) {
  switch (button) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    case QMessageBox::Ignore: return MsgResult::Ignore;
    default: return MsgResult::Ok;
  }
}

}  // namespace

QtHost::QtHost() { clock_.start(); }

void QtHost::PumpOnce() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::Sleep(int ms) {
  // Sleeps without freezing the window: a nested loop that wakes for events
  // (received bytes, repaints) and ends after `ms`.
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

std::int64_t QtHost::TickMs() { return clock_.elapsed(); }

DateTime QtHost::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  const QDate d = now.date();
  const QTime t = now.time();
  return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec(), d.dayOfWeek() % 7};
}

std::string QtHost::ShortDate(const DateTime& t) {
  return QLocale().toString(ToQt(t).date(), QLocale::ShortFormat).toStdString();
}

std::string QtHost::LongTime(const DateTime& t) {
  // The long format's hours, minutes and seconds, without a time zone.
  QString format = QLocale().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t')).replace(QStringLiteral("  "), QStringLiteral(" "));
  return QLocale().toString(ToQt(t).time(), format.trimmed()).toStdString();
}

QWidget* QtHost::DialogParent() const {
  if (QWidget* w = QApplication::activeModalWidget()) return w;
  return QApplication::activeWindow();
}

MsgResult QtHost::Message(MsgIcon icon, std::string_view text, MsgButtons buttons) {
  messages.push_back({icon, std::string(text), buttons});
  emit messageShown(Q(text));
  if (testMode_) {
    if (!answers.empty()) {
      const MsgResult a = answers.front();
      answers.pop_front();
      return a;
    }
    return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes : MsgResult::Ok;
  }
  // "\r" separates the lines of the system's texts.
  QString body = Q(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QMessageBox box(ToQt(icon), Q(kApplicationTitle), body, ToQt(buttons), DialogParent());
  box.setTextFormat(Qt::PlainText);
  return FromQt(box.exec());
}

std::optional<std::string> QtHost::NextInput() {
  if (inputs.empty()) return std::nullopt;
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

std::optional<std::string> QtHost::InputBox(std::string_view title, std::string_view prompt, std::string_view initial) {
  if (testMode_) return NextInput();
  bool ok = false;
  const QString text = QInputDialog::getText(DialogParent(), Q(title), Q(prompt), QLineEdit::Normal, Q(initial), &ok);
  if (!ok) return std::nullopt;
  return text.toStdString();
}

std::optional<std::string> QtHost::ChooseOpenFile(std::string_view title, std::string_view filter) {
  if (testMode_) return NextInput();
  const QString file = QFileDialog::getOpenFileName(DialogParent(), Q(title), QString(), Q(filter));
  if (file.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(file).toStdString();
}

std::optional<std::string> QtHost::ChooseSaveFile(std::string_view title, std::string_view filter,
                                                  std::string_view suggested) {
  if (testMode_) return NextInput();
  const QString file = QFileDialog::getSaveFileName(DialogParent(), Q(title), Q(suggested), Q(filter));
  if (file.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(file).toStdString();
}

void QtHost::OpenWithSystemViewer(const std::string& path) {
  opened.push_back(path);
  if (!testMode_) QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

std::string QtHost::DataFolder() {
  // Logs go next to the program, as installers expect; where that folder is
  // not writable (an installed program) they go to the user's data folder.
  const QString programFolder = QCoreApplication::applicationDirPath();
  if (!testMode_ && QFileInfo(programFolder).isWritable()) return programFolder.toStdString();
  const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(data);
  return data.toStdString();
}

}  // namespace zelvo
