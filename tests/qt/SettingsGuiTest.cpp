// The window's start and exit: defaults, settings written at exit and read
// at the next start, the command line, tabs and hidden items.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>

#include "link/qt/OptionsForm.h"
#include "monitor/qt/MonitorMemo.h"
#include "qt/GuiFixture.h"
#include "shell/ProgramSettings.h"

namespace zelvo::test {
namespace {

TEST_F(MainWindowTest, FirstStartWithAnEmptyStore) {
  TMainForm& f = Start();
  const ProgramSettings& s = f.Settings();
  EXPECT_EQ(s.COMPort, "COM1");
  EXPECT_EQ(s.ConnectionType, kConnectionSerial);
  EXPECT_TRUE(s.CombineLists);
  EXPECT_FALSE(f.ReceiveMemo->isVisibleTo(&f));
  EXPECT_EQ(f.TransmitHeader->text().toStdString(), "Transmit and Receive Data");
  EXPECT_TRUE(f.Action("Show Decoded Message")->isChecked());
  EXPECT_TRUE(f.Action("Show Time")->isChecked());
  EXPECT_TRUE(f.Action("Word Wrap")->isChecked());
  EXPECT_FALSE(f.Action("Hexadecimal Numbers")->isChecked());
  EXPECT_EQ(f.DataEntryModeLabel->text().toStdString(), "Data Entry Mode: DECIMAL");
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility");
  EXPECT_EQ(f.ClockLabel->text().toStdString(), "-:--:--");
  EXPECT_EQ(f.width(), 800);
  EXPECT_EQ(f.height(), 600);
  EXPECT_TRUE(Messages().empty());
  // Nothing that needs an interface is enabled before one answers.
  for (const char* item : {"Set Mode", "Identify", "Get PCI Data", "Reliability Test", "Level MMI", "Traffic Analyser"})
    EXPECT_FALSE(f.Action(item)->isEnabled()) << item;
  EXPECT_TRUE(f.Action("Program Options...")->isEnabled());
}

TEST_F(MainWindowTest, TabsAndDiagnosticItemsAreWired) {
  TMainForm& f = Start();
  // The Lighting tab lives on its page, with its hidden learn selections.
  QWidget* lighting = f.TabPage(kTabLighting);
  ASSERT_NE(lighting->findChild<QWidget*>(QStringLiteral("LightingSendButton")), nullptr);
  ASSERT_NE(lighting->findChild<QWidget*>(QStringLiteral("LightingRandomCheckBox")), nullptr);
  EXPECT_FALSE(lighting->findChild<QWidget*>(QStringLiteral("LightingRandomCheckBox"))->isVisible());
  EXPECT_TRUE(f.Action("Filter Messages...")->isCheckable());
  // Switching the number format refills the tab's lists.
  auto* app = lighting->findChild<QComboBox*>(QStringLiteral("LightingAppComboBox"));
  ASSERT_NE(app, nullptr);
  const int before = app->currentIndex();
  f.Action("Hexadecimal Numbers")->trigger();
  EXPECT_EQ(app->itemText(255).toStdString(), f.Action("Hexadecimal Numbers")->isChecked() ? "FF" : "255");
  f.Action("Hexadecimal Numbers")->trigger();
  EXPECT_EQ(app->currentIndex(), before);
  EXPECT_EQ(app->itemText(255).toStdString(), f.Action("Hexadecimal Numbers")->isChecked() ? "FF" : "255");
}

TEST_F(MainWindowTest, HiddenAtEveryStart) {
  TMainForm& f = Start();
  for (const char* item : {"&New", "&Open...", "&Save", "Save &As...", "Execute File...", "Filter Log File...",
                           "Process Log File", "Unit Type", "Get EEPROM Data", "Get RAM Contents", "Enable Debug",
                           "SBNewSpeedButton", "Show Tabs/CAL", "Show Tabs/Scene Management"})
    EXPECT_FALSE(f.Action(item)->isVisible()) << item;
  for (const char* item : {"&Print", "P&rint Setup...", "E&xit", "Show Tabs/HVAC", "SBRepairSerialButton"})
    EXPECT_TRUE(f.Action(item)->isVisible()) << item;
  EXPECT_FALSE(f.PageControl->isTabVisible(f.PageControl->indexOf(f.TabPage(kTabCustom))));
  EXPECT_TRUE(f.PageControl->isTabVisible(f.PageControl->indexOf(f.TabPage(kTabAudio, 1))));
  EXPECT_EQ(f.PageControl->tabText(f.PageControl->indexOf(f.TabPage(kTabAudio))).toStdString(), "P&&P Audio Master");
}

TEST_F(MainWindowTest, SettingsWrittenAtExitAreReadAtTheNextStart) {
  {
    TMainForm& f = Start({"/tcpip=127.0.0.1:14001"});
    f.Action("Show ASCII")->trigger();
    f.Action("Hexadecimal Numbers")->trigger();
    f.Action("Word Wrap")->trigger();
    f.Action("Show Tabs/HVAC")->trigger();
    f.Action("Show Tabs/CAL")->trigger();  // hidden, still toggled and kept
    f.setGeometry(40, 50, 700, 500);
    Close();
  }
  EXPECT_EQ(QSettings().value("Options/IPAddress").toString().toStdString(), "127.0.0.1");
  EXPECT_EQ(QSettings().value("Forms/Main/Width").toInt(), 700);
  TMainForm& f = Start();
  EXPECT_EQ(f.Settings().ConnectionType, kConnectionTcpIp);
  EXPECT_EQ(f.Settings().Port, 14001);
  EXPECT_TRUE(f.Action("Show ASCII")->isChecked());
  EXPECT_TRUE(f.GetSession().User.ShowASCII);
  EXPECT_TRUE(f.Action("Hexadecimal Numbers")->isChecked());
  EXPECT_EQ(f.DataEntryModeLabel->text().toStdString(), "Data Entry Mode: HEXADECIMAL");
  EXPECT_FALSE(f.Action("Word Wrap")->isChecked());
  EXPECT_EQ(f.TransmitMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
  EXPECT_FALSE(f.Action("Show Tabs/HVAC")->isChecked());
  EXPECT_FALSE(f.PageControl->isTabVisible(f.PageControl->indexOf(f.TabPage(kTabHVAC))));
  EXPECT_FALSE(f.Settings().ShowTab[kTabCAL]);
  EXPECT_EQ(f.width(), 700);
  EXPECT_EQ(f.height(), 500);
}

TEST_F(MainWindowTest, StoredWidthLargerThanTheScreenMaximises) {
  QSettings().setValue("Forms/Main/Width", 100000);
  TMainForm& f = Start();
  EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
}

struct CommandLineCase {
  std::vector<std::string> args;
  std::string message;
  bool timer;
};

TEST_F(MainWindowTest, CommandLineCases) {
  const CommandLineCase cases[] = {
      {{"/autoconnect"}, "Must specify one of /serial or /tcpip with /autoconnect", false},
      {{"/serial=COM3", "/tcpip=127.0.0.1:1", "/autoconnect"}, "Cannot specify both /serial and /tcpip", false},
      {{"/tcpip=127.0.0.1:x", "/autoconnect"}, "Invalid argument, format is /tcpip=<IPAddress>:<Port>", false},
      {{"/SERIAL=/dev/null-port", "/Autoconnect"}, "", true},
  };
  for (const auto& c : cases) {
    host.messages.clear();
    TMainForm& f = Start(c.args);
    EXPECT_EQ(Messages(), c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    EXPECT_EQ(f.StartupTimer.isActive(), c.timer);
    f.StartupTimer.stop();
    form.reset();
  }
}

TEST_F(MainWindowTest, SerialPortThatDoesNotOpen) {
  TMainForm& f = Start({"/serial=/dev/zelvo-no-such-port"});
  f.Action("Connect to Zelvo")->trigger();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Could not open Serial Port /dev/zelvo-no-such-port"});
  EXPECT_EQ(f.windowTitle().toStdString(), "Zelvo Diagnostic Utility");
}

TEST_F(MainWindowTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn) {
  TMainForm& f = Start();
  f.Guard([] { throw std::runtime_error("Access violation at address 0"); });
  EXPECT_EQ(Messages(), std::vector<std::string>{"Access violation at address 0"});
  EXPECT_EQ(host.messages[0].Icon, MsgIcon::Error);
  f.Action("Application Support...")->trigger();
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].Text.rfind("Applications Supported by this version :\r  ", 0), 0u);
  EXPECT_NE(host.messages[1].Text.find("\r  48-95  Lighting"), std::string::npos);
}

TEST_F(MainWindowTest, ProgramOptionsRules) {
  TMainForm& f = Start();
  f.Action("Program Options...")->trigger();
  TOptionsForm& o = *f.OptionsForm();
  EXPECT_TRUE(o.SerialRadio->isChecked());
  EXPECT_TRUE(o.MRACheckBox->isEnabled());
  EXPECT_EQ(o.ComPortComboBox->currentText().toStdString(), "COM1");
  o.IPAddressEdit->setText("127.0.0.1");
  emit o.IPAddressEdit->textEdited("127.0.0.1");
  EXPECT_TRUE(o.TcpIpRadio->isChecked());
  EXPECT_FALSE(o.MRACheckBox->isEnabled());
  o.ShowPCIDataCheckBox->click();  // at once, even when cancelled
  o.SeparateRadio->setChecked(true);
  o.reject();
  EXPECT_FALSE(f.Settings().ShowPCIData);
  EXPECT_EQ(f.Settings().ConnectionType, kConnectionSerial);
  EXPECT_TRUE(f.Settings().CombineLists);

  f.Action("Program Options...")->trigger();
  o.SeparateRadio->setChecked(true);
  o.ShowUnitAddressCheckBox->setChecked(true);
  o.TimeDecimalPlacesSpinEdit->setValue(2);
  o.accept();
  EXPECT_FALSE(f.Settings().CombineLists);
  EXPECT_TRUE(f.ReceiveMemo->isVisibleTo(&f));
  EXPECT_EQ(f.TransmitHeader->text().toStdString(), "Transmit Data");
  EXPECT_EQ(f.ReceiveHeader->text().toStdString(), "Receive Data");
  EXPECT_EQ(f.Monitor().Display.Options.TimeDP, 2);
  EXPECT_TRUE(f.GetSession().Decoder.DecodeOptions & 1);  // Show Unit Address
}

}  // namespace
}  // namespace zelvo::test
