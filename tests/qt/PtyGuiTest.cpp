// Connecting over a serial line: zelvo-pci-sim on a pseudo-terminal, whose
// refusal of the modem-control ioctls must not stop the link.

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "link/qt/QtLink.h"
#include "qt/GuiFixture.h"

namespace zelvo::test {
namespace {

TEST_F(MainWindowTest, ConnectsToTheSimulatorOnAPseudoTerminal) {
  const QString sim = QCoreApplication::applicationDirPath() + QStringLiteral("/../zelvo-pci-sim");
  if (!QFileInfo::exists(sim)) GTEST_SKIP() << "zelvo-pci-sim is not built";
  QTemporaryDir dir;
  const QString link = dir.filePath(QStringLiteral("pci"));
  QProcess process;
  process.start(sim, {QStringLiteral("--pty"), link});
  ASSERT_TRUE(process.waitForStarted(5000));
  ASSERT_TRUE(WaitUntil([&] { return QFileInfo::exists(link); }, 5000));

  TMainForm& f = Start({"/serial=" + link.toStdString()});
  f.Settings().ShowPCIData = true;
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_TRUE(Messages().empty()) << (Messages().empty() ? "" : Messages()[0]);
  EXPECT_TRUE(f.Link().IsOpen());
  EXPECT_TRUE(f.Action("Identify")->isEnabled());
  EXPECT_GE(f.GetSession().Interface.PCIVersion, 1024);
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility - " + link.toStdString());
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_FALSE(f.Link().IsOpen());
  process.terminate();
  process.waitForFinished(5000);
}

}  // namespace
}  // namespace zelvo::test
