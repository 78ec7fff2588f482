// zelvo-diagnostic: the desktop program.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "shell/Caption.h"
#include "shell/CommandLine.h"
#include "shell/qt/Heartbeat.h"
#include "shell/qt/MainForm.h"
#include "shell/qt/QSettingsStore.h"
#include "shell/qt/QtHost.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (auto text = zelvo::ConventionalOptionText(args, "zelvo-diagnostic")) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tervane Integrated Systems"));
  QApplication::setApplicationName(QStringLiteral("Zelvo Diagnostic"));
  // QApplication took its own options (-platform and the like) out of argv.
  args.assign(argv + 1, argv + argc);

  zelvo::QtHost host;
  zelvo::QSettingsStore store;
  zelvo::TMainForm form(host, store, zelvo::CommandLine(args));
  // Load check: ZELVO_HEARTBEAT=<file> measures the event loop's lateness.
  zelvo::Heartbeat heartbeat(form);
  form.show();
  // ZELVO_SCREENSHOT=<file.png>[:<ms>]: saves a picture of the window after
  // ms (default 8000) milliseconds, for the documentation.
  const QString shot = qEnvironmentVariable("ZELVO_SCREENSHOT");
  if (!shot.isEmpty()) {
    const int colon = shot.lastIndexOf(QLatin1Char(':'));
    const QString file = colon > 0 ? shot.left(colon) : shot;
    const int ms = colon > 0 ? shot.mid(colon + 1).toInt() : 8000;
    QTimer::singleShot(ms, &form, [&form, file] { form.grab().save(file); });
  }
  const int rc = app.exec();
  heartbeat.Finish();
  return rc;
}
