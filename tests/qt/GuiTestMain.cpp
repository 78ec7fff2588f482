// The GUI tests' main: one QApplication for every test, offscreen, with the
// settings in a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "qt/GuiFixture.h"

namespace zelvo::test {
QString& SettingsFolder() {
  static QString folder;
  return folder;
}
}  // namespace zelvo::test

int main(int argc, char** argv) {
  // Test discovery runs this program too, without the test environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tervane Integrated Systems"));
  QApplication::setApplicationName(QStringLiteral("Zelvo Diagnostic"));
  QStandardPaths::setTestModeEnabled(true);
  QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
  zelvo::test::SettingsFolder() = settings.path();
  return RUN_ALL_TESTS();
}
