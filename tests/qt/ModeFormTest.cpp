#include "diagnostics/qt/ModeForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "diagnostics/CalEngine.h"
#include "diagnostics/PciModel.h"
#include "diagnostics/qt/ControlButtons.h"
#include "diagnostics/qt/ModeActions.h"
#include "qt/GuiBench.h"
#include "shell/qt/NumberComboBox.h"

namespace zelvo {
namespace {

enum Box1 { kConnect, kXonXoff, kChecksum, kSmart, kMonitor, kIdmon };

// A PCI of the given version, connected as the program connects: default
// mode, then its model read.
class ModeFormTest : public ::testing::Test {
 protected:
  void Connect(const std::string& version, int options3 = 0) {
    auto config = test::NetworkWithPciVersion(version);
    config.Pci.Options3 = options3;
    b = std::make_unique<test::GuiSimBench>(config);
    SetDefaultMode(b->traffic);
    GetPCIModel(b->traffic);
    b->Settle();
    b->TakeWritten();
  }
  // Presses OK once the modal window is up.
  static void PressWhenShown(const std::function<void(TModeForm&)>& act) {
    QTimer::singleShot(0, [act] {
      if (auto* form = qobject_cast<TModeForm*>(QApplication::activeModalWidget())) act(*form);
    });
  }

  std::unique_ptr<test::GuiSimBench> b;
};

TEST_F(ModeFormTest, Version400LocalEnablesEverythingAndWritesOnlyChanges) {
  Connect("4.00", 0x01);  // PCN set
  ASSERT_EQ(b->session.Interface.PCIVersion, 1024);
  TModeForm form(b->traffic);
  form.FormShow();
  EXPECT_EQ(form.windowTitle(), "Set PC Interface Mode");
  EXPECT_TRUE(form.OtherPCILabel->isHidden());
  EXPECT_TRUE(form.VersionLabel->isHidden());
  EXPECT_TRUE(form.AllMonitorCheckBox->isHidden());
  EXPECT_TRUE(form.PCNCheckBox->isEnabled());
  EXPECT_TRUE(form.PCNCheckBox->isChecked());
  for (auto* box : form.PowerUpCheckBoxes) EXPECT_TRUE(box->isEnabled());
  for (auto* box : form.Options1CheckBoxes) EXPECT_TRUE(box->isEnabled());
  // Default mode: CONNECT, SMART, IDMON.
  EXPECT_TRUE(form.Options1CheckBoxes[kConnect]->isChecked());
  EXPECT_TRUE(form.Options1CheckBoxes[kSmart]->isChecked());
  EXPECT_TRUE(form.Options1CheckBoxes[kIdmon]->isChecked());
  EXPECT_FALSE(form.Options1CheckBoxes[kMonitor]->isChecked());
  EXPECT_TRUE(form.ClockGenCheckBox->isChecked());
  EXPECT_EQ(form.MonitorAddress1ComboBox->currentText(), "255");
  EXPECT_EQ(form.MonitorGroupBox->title(), "Monitor Applications    (255, 255 for all applications)");

  form.OKButton->click();
  EXPECT_TRUE(b->TakeWritten().empty());
  EXPECT_EQ(form.result(), QDialog::Accepted);

  TModeForm again(b->traffic);
  again.FormShow();
  again.Options1CheckBoxes[kMonitor]->setChecked(true);
  again.MonitorAddress2ComboBox->setEditText("56");
  again.OKButtonClick();
  b->Settle();
  EXPECT_EQ(b->TakeWritten(), (std::vector<std::string>{"@A330007100\r", "@A322003800\r"}));
  EXPECT_EQ(b->pci.Options1(), 0x71);
  EXPECT_EQ(b->pci.Register(0x22), 0x38);
  EXPECT_EQ(b->session.Interface.InterfaceOptions1, 0x71);
}

TEST_F(ModeFormTest, Version312OffersLocalSalButNotTheNewerOptions) {
  Connect("3.12");
  ASSERT_EQ(b->session.Interface.PCIVersion, 786);
  TModeForm form(b->traffic);
  form.FormShow();
  EXPECT_TRUE(form.LocalSALCheckBox->isEnabled());
  EXPECT_FALSE(form.PCNCheckBox->isEnabled());
  EXPECT_FALSE(form.PUNCheckBox->isEnabled());
  EXPECT_FALSE(form.EXSTATCheckBox->isEnabled());
  for (auto* box : form.PowerUpCheckBoxes) EXPECT_FALSE(box->isEnabled());
  EXPECT_FALSE(form.PowerUpResetButton->isEnabled());
  EXPECT_TRUE(form.AllMonitorCheckBox->isEnabled());

  // "Reset to Defaults" changes only the boxes that are enabled.
  form.PCNCheckBox->setChecked(true);
  form.Options3ResetButton->click();
  EXPECT_TRUE(form.PCNCheckBox->isChecked());
  form.Options1CheckBoxes[kChecksum]->setChecked(true);
  form.Options1CheckBoxes[kIdmon]->setChecked(false);
  form.Options1ResetButton->click();
  for (int i : {kConnect, kSmart, kIdmon}) EXPECT_TRUE(form.Options1CheckBoxes[i]->isChecked()) << i;
  for (int i : {kXonXoff, kChecksum, kMonitor}) EXPECT_FALSE(form.Options1CheckBoxes[i]->isChecked()) << i;

  // Only bit 02 of Interface Options 3 can be written below 4.00; the local
  // header is the point-to-point one to the PCI's own address.
  form.LocalSALCheckBox->setChecked(true);
  form.OKButtonClick();
  EXPECT_EQ(b->TakeWritten(), std::vector<std::string>{"\\060100A3420002\r"});
}

TEST_F(ModeFormTest, OtherPciOpensRemoteAfterTheTypeCheck) {
  Connect("4.00");
  // Unit 02 is a relay: the user declines to go on.
  b->host.inputs.push_back("2");
  b->host.answers.push_back(MsgResult::No);
  SetModeOfOtherPciClick(b->traffic, nullptr);
  ASSERT_EQ(b->host.messages.size(), 1u);
  EXPECT_EQ(b->host.messages[0].Text,
            "This unit is not a PC Interface.\rIt is of type RELAY8.\r"
            "Changing its Mode may cause operational problems.\rDo you want to continue ?");

  // A unit that is not there.
  b->host.inputs.push_back("7E");
  SetModeOfOtherPciClick(b->traffic, nullptr);
  EXPECT_EQ(b->host.messages.back().Text, "No response from unit at that address.");

  // Going on opens the window on the remote unit; Cancel writes nothing.
  b->host.inputs.push_back("02");
  b->host.answers.push_back(MsgResult::Yes);
  bool shown = false;
  PressWhenShown([&](TModeForm& form) {
    shown = true;
    EXPECT_FALSE(form.OtherPCILabel->isHidden());
    EXPECT_EQ(form.OtherPCILabel->text(), "Warning: Changing settings of remote PCI at address 02");
    EXPECT_TRUE(form.VersionLabel->text().startsWith("PCI Version: "));
    EXPECT_TRUE(form.Data().FRemote);
    b->TakeWritten();
    form.CancelButton->click();
  });
  SetModeOfOtherPciClick(b->traffic, nullptr);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(b->TakeWritten().empty());
}

TEST_F(ModeFormTest, SetModeButtonOpensTheLocalWindow) {
  Connect("4.00");
  ControlButtons buttons(b->traffic);
  int helpTopic = 0;
  buttons.SetHelpHandler([&](int topic) { helpTopic = topic; });
  PressWhenShown([](TModeForm& form) {
    form.HelpButton->click();
    form.BurdenCheckBox->setChecked(true);
    form.OKButton->click();
  });
  buttons.SetModeButton->click();
  EXPECT_EQ(helpTopic, 4);
  // Interface Options 2 is written twice.
  EXPECT_EQ(b->TakeWritten(), (std::vector<std::string>{"@A33E0041\r", "@A33E0041\r"}));
  EXPECT_EQ(b->pci.Register(0x3E), 0x41);
}

TEST_F(ModeFormTest, ModeButtonsSendTheModeCommands) {
  Connect("4.00");
  ControlButtons buttons(b->traffic);
  EXPECT_EQ(buttons.BasicModeButton->text(), "Basic Mode");
  buttons.BasicModeButton->click();
  EXPECT_EQ(b->TakeWritten(), std::vector<std::string>{"~~~\r"});
  EXPECT_EQ(b->session.Interface.InterfaceOptions1, 0);
  buttons.SmartModeButton->click();
  EXPECT_EQ(b->TakeWritten(), (std::vector<std::string>{"~~~\r", "||\r"}));
  EXPECT_EQ(b->session.Interface.InterfaceOptions1, 0x11);
  buttons.DefaultModeButton->click();
  b->Settle();
  EXPECT_EQ(b->TakeWritten(), (std::vector<std::string>{"~~~\r", "A3300051\r"}));
  EXPECT_EQ(b->session.Interface.InterfaceOptions1, 0x51);
  EXPECT_EQ(b->pci.Options1(), 0x51);

  int pciData = 0;
  QObject::connect(&buttons, &ControlButtons::pciDataClicked, [&] { ++pciData; });
  buttons.PCIDataButton->click();
  EXPECT_EQ(pciData, 1);
}

TEST_F(ModeFormTest, PciDataShowsTheInterfaceDetails) {
  Connect("4.00");
  PciDataClick(b->traffic, "127.0.0.1:14000", true, false, true);
  ASSERT_EQ(b->host.messages.size(), 1u);
  const std::string& text = b->host.messages[0].Text;
  EXPECT_EQ(b->host.messages[0].Icon, MsgIcon::Information);
  EXPECT_EQ(text.rfind("PC Interface Details :\r  Location : 127.0.0.1:14000\r  Manufacturer : ZELVO", 0), 0u) << text;
  EXPECT_NE(text.find("  Serial Number : 162-63\r"), std::string::npos) << text;
  EXPECT_NE(text.find("  Unit Address : 01\r"), std::string::npos) << text;

  // From the connect command: not at start-up, and not when the user opted out.
  PciDataClick(b->traffic, "COM1", false, true, false);
  PciDataClick(b->traffic, "COM1", false, false, true);
  EXPECT_EQ(b->host.messages.size(), 1u);

  b->pci.SetFault(sim::Fault::NoAnswer);
  PciDataClick(b->traffic, "COM1", true, false, false);
  ASSERT_EQ(b->host.messages.size(), 2u);
  EXPECT_EQ(b->host.messages[1].Text,
            "PC Interface Details Unknown.\rSome software features may not work correctly.\r"
            "If possible, use a version 4.0 or later PCI.");
  EXPECT_EQ(b->session.Interface.PCIVersion, 0);
}

}  // namespace
}  // namespace zelvo
