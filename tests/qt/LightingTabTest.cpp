#include "builders/qt/LightingTab.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "qt/GuiBench.h"
#include "shell/qt/NumberComboBox.h"

namespace zelvo {
namespace {

class LightingTabTest : public ::testing::Test {
 protected:
  test::TrafficBench b;
  bool showApplicationWarning = true;
  LightingTab tab{b.traffic, showApplicationWarning};
};

TEST_F(LightingTabTest, ControlsStartWithTheirDefaults) {
  EXPECT_EQ(tab.LightingAppComboBox->currentText(), "56");
  EXPECT_EQ(tab.LightingGroupComboBox->currentText(), "0");
  EXPECT_TRUE(tab.LightingRampRadioButton->isChecked());
  EXPECT_EQ(tab.LightingLevelComboBox->count(), 101);
  EXPECT_EQ(tab.LightingLevelComboBox->currentText(), "0");
  EXPECT_EQ(tab.LightingRampRateComboBox->count(), 16);
  EXPECT_EQ(tab.LightingRampRateComboBox->currentText(), "instantaneously");
  EXPECT_EQ(tab.LightingToggleSpeedComboBox->currentText(), "Medium Speed (1 second)");
  EXPECT_EQ(tab.LightingCommandTypeComboBox->currentText(), "On, Off, Ramp & Concatenated");
  EXPECT_EQ(tab.LightingRandomGAComboBox2->currentText(), "255");
  EXPECT_EQ(tab.LightingSendButton->text(), "&Send");
  EXPECT_EQ(tab.LightingTerminateRampButton->text(), "&Term. Ramp");
  EXPECT_TRUE(tab.LightingRandomCheckBox->isHidden());
  EXPECT_TRUE(tab.LightingRandomPanel->isHidden());
  for (auto* radio : tab.LightingLearnRadioButtons) EXPECT_TRUE(radio->isHidden());
  EXPECT_FALSE(tab.LightingRunTimer.isActive());
  EXPECT_EQ(tab.LightingRunTimer.interval(), 1000);
  EXPECT_EQ(tab.findChild<QPushButton*>("LightingSendButton"), tab.LightingSendButton);

  tab.ShowHiddenControls();
  EXPECT_FALSE(tab.LightingRandomCheckBox->isHidden());
  EXPECT_EQ(tab.LightingLearnRadioButtons[4]->text(), "Lrn Cancel");
}

TEST_F(LightingTabTest, SendBuildsTheSelectedCommand) {
  tab.ShowHiddenControls();
  struct Case {
    QRadioButton* radio;
    const char* group;
    int level;
    int rate;
    bool hex;
    const char* written;
  };
  const Case cases[] = {
      {tab.LightingOnRadioButton, "16", 0, 0, false, "\\0538007910\r"},
      {tab.LightingRampRadioButton, "1", 50, 1, false, "\\0538000A017F\r"},
      {tab.LightingLearnRadioButtons[1], "10", 0, 0, true, "\\053800030210EE\r"},
      {tab.LightingOffRadioButton, "FF", 0, 0, true, "\\05380001FF\r"},
  };
  for (const auto& c : cases) {
    b.session.User.HexNumbers = c.hex;
    for (auto* combo : {tab.LightingAppComboBox, tab.LightingGroupComboBox}) combo->RefillCombo();
    c.radio->setChecked(true);
    tab.LightingGroupComboBox->setEditText(c.group);
    tab.LightingLevelComboBox->setCurrentIndex(c.level);
    tab.LightingRampRateComboBox->setCurrentIndex(c.rate);
    b.link.written.clear();
    tab.LightingSendButton->click();
    EXPECT_EQ(b.link.written, std::vector<std::string>{c.written}) << c.written;
  }
  EXPECT_TRUE(b.host.messages.empty());

  b.link.written.clear();
  b.session.User.HexNumbers = false;
  for (auto* combo : {tab.LightingAppComboBox, tab.LightingGroupComboBox}) combo->RefillCombo();
  tab.LightingGroupComboBox->setEditText("7");
  tab.LightingTerminateRampButton->click();
  EXPECT_EQ(b.link.written, std::vector<std::string>{"\\0538000907\r"});
}

TEST_F(LightingTabTest, BadEntriesAndPathsSendNothing) {
  tab.LightingOnRadioButton->setChecked(true);
  tab.LightingGroupComboBox->setEditText("256");
  tab.LightingSendButton->click();
  EXPECT_TRUE(b.link.written.empty());
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Invalid input, must be a number in the range 0 to 255");

  tab.LightingGroupComboBox->setEditText("3");
  b.session.User.Remote = {true, "1"};  // an odd number of digits is no path
  tab.LightingSendButton->click();
  tab.LightingAllOnButton->click();
  EXPECT_TRUE(b.link.written.empty());
  EXPECT_EQ(b.host.messages.size(), 3u);
  EXPECT_TRUE(tab.LightingAllOnButton->isEnabled());
}

TEST_F(LightingTabTest, RampToEnablesTheLevelControlsOnly) {
  tab.LightingOnRadioButton->setChecked(true);
  EXPECT_FALSE(tab.LightingLevelComboBox->isEnabled());
  EXPECT_FALSE(tab.LightingLevelRadioGroup->isEnabled());
  EXPECT_FALSE(tab.LightingRampRateComboBox->isEnabled());
  tab.LightingLearnRadioButtons[0]->setChecked(true);
  EXPECT_FALSE(tab.LightingRampRateComboBox->isEnabled());
  tab.LightingRampRadioButton->setChecked(true);
  EXPECT_TRUE(tab.LightingLevelComboBox->isEnabled());
  EXPECT_TRUE(tab.LightingRampRateComboBox->isEnabled());
}

TEST_F(LightingTabTest, LevelListInPercentStaysDecimal) {
  b.session.User.HexNumbers = true;
  tab.LightingLevelLevelRadioButton->setChecked(true);
  EXPECT_EQ(tab.LightingLevelComboBox->count(), 256);
  EXPECT_EQ(tab.LightingLevelComboBox->itemText(255), "FF");
  tab.LightingLevelComboBox->setEditText("80");
  ASSERT_TRUE(tab.LightingLevelComboBox->CheckIntegerComboBox());
  EXPECT_EQ(tab.LightingGetLevel(), 128);

  tab.LightingLevelPercentRadioButton->setChecked(true);
  EXPECT_EQ(tab.LightingLevelComboBox->count(), 101);
  EXPECT_EQ(tab.LightingLevelComboBox->itemText(100), "100");
  // "50" is fifty per cent, not 50 hex.
  tab.LightingLevelComboBox->setEditText("50");
  ASSERT_TRUE(tab.LightingLevelComboBox->CheckIntegerComboBox());
  EXPECT_EQ(tab.LightingGetLevel(), 127);
  tab.LightingLevelComboBox->setEditText("101");
  EXPECT_FALSE(tab.LightingLevelComboBox->CheckIntegerComboBox());
  EXPECT_EQ(b.host.messages.back().Text, "Invalid input, must be a number in the range 0 to 100");
}

TEST_F(LightingTabTest, AllOffSendsThirtyTwoMessagesWithTheButtonsDisabled) {
  std::vector<bool> enabledWhileSending;
  b.responder = [&](const std::string&) {
    enabledWhileSending.push_back(tab.LightingAllOnButton->isEnabled() || tab.LightingAllOffButton->isEnabled());
  };
  tab.LightingAllOffButton->click();
  ASSERT_EQ(b.link.written.size(), 32u);
  EXPECT_EQ(b.link.written.front(), "\\05380001000101010201030104010501060107\r");
  EXPECT_EQ(b.link.written.back(), "\\05380001F801F901FA01FB01FC01FD01FE01FF\r");
  EXPECT_EQ(enabledWhileSending, std::vector<bool>(32, false));
  EXPECT_TRUE(tab.LightingAllOnButton->isEnabled());
  EXPECT_TRUE(tab.LightingAllOffButton->isEnabled());
}

TEST_F(LightingTabTest, ToggleRunFlipsOnAndOffEachTick) {
  tab.LightingGroupComboBox->setCurrentIndex(5);
  tab.LightingToggleCheckBox->setChecked(true);
  EXPECT_TRUE(tab.LightingRunTimer.isActive());
  EXPECT_TRUE(tab.LightingSendButton->isHidden());
  EXPECT_TRUE(b.session.Traffic.Flags.RunActive);
  for (int i = 0; i < 3; ++i) tab.LightingRunTimerTimer();
  // "Ramp to" becomes "On" at the first tick.
  EXPECT_EQ(b.link.written, (std::vector<std::string>{"\\0538007905\r", "\\0538000105\r", "\\0538007905\r"}));
  EXPECT_TRUE(tab.LightingRunTimer.isActive());

  tab.LightingToggleSpeedComboBox->setCurrentIndex(2);
  EXPECT_EQ(tab.LightingRunTimer.interval(), 300);
  EXPECT_EQ(tab.LightingSpeedComboBox->currentIndex(), 2);

  tab.LightingToggleCheckBox->setChecked(false);
  EXPECT_FALSE(tab.LightingRunTimer.isActive());
  EXPECT_FALSE(tab.LightingSendButton->isHidden());
  EXPECT_FALSE(b.session.Traffic.Flags.RunActive);
}

TEST_F(LightingTabTest, FullSpeedIsPacedByAcknowledgements) {
  tab.LightingOnRadioButton->setChecked(true);
  tab.LightingToggleSpeedComboBox->setCurrentIndex(3);
  EXPECT_EQ(tab.LightingRunTimer.interval(), 20);
  // The interface acknowledges each command when it is delivered.
  b.responder = [&](const std::string& w) { b.Reply(std::string(1, w[w.size() - 2]) + "."); };
  tab.LightingToggleCheckBox->setChecked(true);
  tab.LightingRunTimerTimer();
  tab.LightingRunTimerTimer();  // not acknowledged yet: waits
  ASSERT_EQ(b.link.written.size(), 1u);
  // At full speed every command carries an acknowledgement character.
  EXPECT_EQ(b.link.written[0], "\\0538000100g\r");
  b.host.PumpOnce();
  tab.LightingRunTimerTimer();
  ASSERT_EQ(b.link.written.size(), 2u);
  EXPECT_EQ(b.link.written[1], "\\0538007900h\r");
}

TEST_F(LightingTabTest, FullSpeedWithoutAcknowledgementsTimesOut) {
  tab.LightingToggleSpeedComboBox->setCurrentIndex(3);
  tab.LightingToggleCheckBox->setChecked(true);
  int ticks = 0;
  while (tab.LightingRunTimer.isActive() && ticks < 100) {
    tab.LightingRunTimerTimer();
    ++ticks;
  }
  EXPECT_EQ(ticks, 22);  // one send, 20 waiting ticks, then the warning
  EXPECT_EQ(b.link.written.size(), 1u);
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text, "Timeout when waiting for a PCI to come available. Perhaps the PCI is dodgy.");
  EXPECT_EQ(b.host.messages[0].Icon, MsgIcon::Warning);
  EXPECT_FALSE(tab.LightingToggleCheckBox->isChecked());
  EXPECT_FALSE(tab.LightingRandomRunCheckBox->isChecked());
  EXPECT_FALSE(b.session.Traffic.Flags.RunActive);
  EXPECT_FALSE(tab.LightingSendButton->isHidden());
}

TEST_F(LightingTabTest, RandomRunSendsWithinItsRanges) {
  tab.ShowHiddenControls();
  tab.LightingToggleCheckBox->setChecked(true);
  tab.LightingRandomCheckBox->setChecked(true);
  EXPECT_FALSE(tab.LightingToggleCheckBox->isChecked());
  EXPECT_FALSE(tab.LightingRandomPanel->isHidden());
  EXPECT_TRUE(tab.LightingDestinationGroupBox->isHidden());
  EXPECT_TRUE(tab.LightingCommandGroupBox->isHidden());

  tab.LightingRandomGAComboBox2->setCurrentIndex(0);
  tab.LightingCommandTypeComboBox->setCurrentIndex(kRandomOnOff);
  tab.LightingRandomRunCheckBox->setChecked(true);
  EXPECT_TRUE(tab.LightingRunTimer.isActive());
  for (int i = 0; i < 20; ++i) tab.LightingRunTimerTimer();
  ASSERT_EQ(b.link.written.size(), 20u);
  for (const auto& w : b.link.written) EXPECT_TRUE(w == "\\0538007900\r" || w == "\\0538000100\r") << w;

  // "&Send" with "Random" ticked sends one random message too.
  tab.LightingSendButtonClick();
  EXPECT_EQ(b.link.written.size(), 21u);

  tab.LightingRandomCheckBox->setChecked(false);
  EXPECT_FALSE(tab.LightingRandomRunCheckBox->isChecked());
  EXPECT_FALSE(tab.LightingRunTimer.isActive());
  EXPECT_FALSE(tab.LightingDestinationGroupBox->isHidden());
}

TEST_F(LightingTabTest, ApplicationWarningUntilIgnored) {
  tab.LightingAppComboBox->setEditText("56");
  tab.LightingAppComboBox->IntegerComboBoxExit();
  EXPECT_TRUE(b.host.messages.empty());

  tab.LightingAppComboBox->setEditText("200");
  tab.LightingAppComboBox->IntegerComboBoxExit();
  ASSERT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.host.messages[0].Text,
            "Use of Application Addresses outside the range 48 to 127 may cause undesirable effects.\n\r"
            "Click Ignore to stop this message from displaying again.");
  EXPECT_EQ(b.host.messages[0].Buttons, MsgButtons::OkIgnore);
  EXPECT_TRUE(showApplicationWarning);

  b.host.answers.push_back(MsgResult::Ignore);
  tab.LightingAppComboBox->IntegerComboBoxExit();
  EXPECT_FALSE(showApplicationWarning);
  tab.LightingAppComboBox->IntegerComboBoxExit();
  EXPECT_EQ(b.host.messages.size(), 2u);
}

TEST_F(LightingTabTest, DescriptionForAUserButton) {
  tab.LightingGroupComboBox->setCurrentIndex(12);
  tab.LightingOnRadioButton->setChecked(true);
  EXPECT_EQ(tab.GetZelvoCommandDescription(), "GA12 100%");
  tab.LightingOffRadioButton->setChecked(true);
  EXPECT_EQ(tab.GetZelvoCommandDescription(), "GA12 0%");
  tab.LightingRampRadioButton->setChecked(true);
  tab.LightingLevelLevelRadioButton->setChecked(true);
  tab.LightingLevelComboBox->setCurrentIndex(128);
  EXPECT_EQ(tab.GetZelvoCommandDescription(), "GA12 128");
}

TEST(LightingTabOnSimulator, GroupLevelsFollowTheCommands) {
  test::GuiSimBench b;
  bool warning = true;
  LightingTab tab(b.traffic, warning);
  tab.LightingOnRadioButton->setChecked(true);
  tab.LightingGroupComboBox->setCurrentIndex(16);
  tab.LightingSendButton->click();
  b.Settle();
  EXPECT_EQ(b.pci.GroupLevel(56, 16), 255);

  tab.LightingRampRadioButton->setChecked(true);
  tab.LightingGroupComboBox->setCurrentIndex(9);
  tab.LightingLevelComboBox->setCurrentIndex(50);
  tab.LightingSendButton->click();
  b.Settle();
  EXPECT_EQ(b.pci.GroupLevel(56, 9), 127);

  tab.LightingAllOnButton->click();
  b.Settle();
  for (int g = 1; g <= 16; ++g) EXPECT_EQ(b.pci.GroupLevel(56, g), 255) << g;
  tab.LightingAllOffButton->click();
  b.Settle();
  for (int g = 1; g <= 16; ++g) EXPECT_EQ(b.pci.GroupLevel(56, g), 0) << g;
}

}  // namespace
}  // namespace zelvo
