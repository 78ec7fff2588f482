// Connecting the real window over loopback TCP: refused, silent, dropped
// and answering interfaces.

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include "link/qt/OptionsForm.h"
#include "link/qt/QtLink.h"
#include "monitor/qt/MonitorMemo.h"
#include "qt/GuiFixture.h"
#include "shell/ProgramSettings.h"

namespace zelvo::test {
namespace {

std::string TcpArg(quint16 port) { return "/tcpip=127.0.0.1:" + std::to_string(port); }

TEST_F(MainWindowTest, NothingListeningGivesCouldNotConnectWithinFiveSeconds) {
  const quint16 port = FreePort();
  TMainForm& f = Start({TcpArg(port)});
  QElapsedTimer t;
  t.start();
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_LT(t.elapsed(), 5500);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Could not connect to IP Address 127.0.0.1:" + std::to_string(port)});
  EXPECT_FALSE(f.Action("Connect to Zelvo")->isChecked());
  EXPECT_FALSE(f.Link().IsOpen());
}

TEST_F(MainWindowTest, SilentServerIsNotFoundAfterSixSecondsAndTheLinkCloses) {
  SilentServer server;
  TMainForm& f = Start({TcpArg(server.server.serverPort())});
  QElapsedTimer t;
  t.start();
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_GE(t.elapsed(), 5900);
  EXPECT_EQ(Messages(), std::vector<std::string>{"ZNI not found at IP Address 127.0.0.1"});
  EXPECT_FALSE(f.Link().IsOpen());
  EXPECT_FALSE(f.Action("Connect to Zelvo")->isChecked());
  EXPECT_TRUE(WaitUntil([&] { return server.disconnected; }, 2000));
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility");
}

TEST_F(MainWindowTest, ConnectReadsTheInterfaceEnablesItemsAndDisconnectDisables) {
  SimServer sim;
  TMainForm& f = Start({TcpArg(sim.Port())});
  f.Settings().ShowPCIData = true;  // no information box after connecting
  EXPECT_FALSE(f.Action("Identify")->isEnabled());
  EXPECT_FALSE(f.TabPage(kTabError)->findChild<QWidget*>()->isEnabled());

  f.Action("Connect to Zelvo")->trigger();
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(f.Action("Connect to Zelvo")->isChecked());
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility - 127.0.0.1");
  EXPECT_EQ(sim.pci.Options1(), 0x51);  // default mode
  EXPECT_GE(f.GetSession().Interface.PCIVersion, 1024);
  EXPECT_EQ(f.GetSession().Interface.PCIAddress, sim.pci.Address());
  EXPECT_TRUE(f.Action("Identify")->isEnabled());
  EXPECT_TRUE(f.Action("Level MMI")->isEnabled());
  EXPECT_TRUE(f.TabPage(kTabError)->findChild<QWidget*>()->isEnabled());
  EXPECT_EQ(f.Monitor().Display.TransmitMemo.LineCount(), 0u);  // cleared after connecting

  // Traffic now shows; "Get PCI Data" always shows its box.
  f.Action("Get PCI Data")->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].Text.rfind("PC Interface Details :\r  Location : 127.0.0.1:", 0), 0u);
  EXPECT_GT(f.TransmitMemo->document()->blockCount(), 1);

  f.Action("Connect to Zelvo")->trigger();
  EXPECT_FALSE(f.Link().IsOpen());
  EXPECT_FALSE(f.Action("Identify")->isEnabled());
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility");
}

TEST_F(MainWindowTest, ServerDroppingTheConnectionGivesSocketErrorAndNoCrash) {
  SimServer sim;
  TMainForm& f = Start({TcpArg(sim.Port())});
  f.Settings().ShowPCIData = true;
  f.Action("Connect to Zelvo")->trigger();
  ASSERT_TRUE(f.Link().IsOpen());
  sim.Drop();
  EXPECT_TRUE(WaitUntil([&] { return !host.messages.empty(); }, 3000));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Socket error, disconnecting."});
  EXPECT_FALSE(f.Link().IsOpen());
  EXPECT_FALSE(f.Action("Connect to Zelvo")->isChecked());
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility");
  // Sending afterwards is ignored; connecting again works.
  f.GetTraffic().SendZelvoCommand("\\0538007901");
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_TRUE(f.Link().IsOpen());
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(MainWindowTest, AutoconnectConnectsHalfASecondAfterStart) {
  SimServer sim;
  QSettings().setValue("Options/ShowPCIData", false);  // the box would show on a manual connect
  TMainForm& f = Start({TcpArg(sim.Port()), "/AUTOCONNECT"});
  EXPECT_TRUE(f.StartupTimer.isActive());
  EXPECT_EQ(f.StartupTimer.interval(), 500);
  EXPECT_TRUE(
      WaitUntil([&] { return f.Action("Connect to Zelvo")->isChecked() && f.Action("Identify")->isEnabled(); }, 8000));
  EXPECT_TRUE(Messages().empty());  // no PCI data box during the start-up connect
}

}  // namespace
}  // namespace zelvo::test

namespace zelvo::test {
namespace {

TEST_F(MainWindowTest, LinkSettingsCannotChangeWhileConnected) {
  SimServer sim;
  TMainForm& f = Start({"/tcpip=127.0.0.1:" + std::to_string(sim.Port())});
  f.Settings().ShowPCIData = true;
  f.Action("Connect to Zelvo")->trigger();
  ASSERT_TRUE(f.Link().IsOpen());
  f.Action("Program Options...")->trigger();
  TOptionsForm& o = *f.OptionsForm();
  EXPECT_FALSE(o.SerialRadio->isEnabled());
  EXPECT_FALSE(o.IPAddressEdit->isEnabled());
  EXPECT_FALSE(o.PortSpinEdit->isEnabled());
  EXPECT_FALSE(o.SetupButton->isEnabled());
  EXPECT_TRUE(o.ShowDateCheckBox->isEnabled());
  o.SerialRadio->setChecked(true);  // even if forced, OK keeps the link settings
  o.accept();
  EXPECT_EQ(f.Settings().ConnectionType, kConnectionTcpIp);
  EXPECT_TRUE(f.Link().IsOpen());
}

}  // namespace
}  // namespace zelvo::test
