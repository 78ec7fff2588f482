// zelvo-diagnostic: the desktop program.

#include <QApplication>
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
  const int rc = app.exec();
  heartbeat.Finish();
  return rc;
}
