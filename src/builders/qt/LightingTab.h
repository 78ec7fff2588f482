#pragma once
// The Lighting tab: on, off, ramp, terminate ramp and learn commands for one
// group, All On / All Off over the 256 groups of an application, and the two
// unattended runs (continuous toggle, random stream) paced by the run timer.
// The commands and the run's state machine are the core's
// (builders/Lighting.h); the tab gathers fields and drives the timer.

#include <QTimer>
#include <QWidget>
#include <array>
#include <random>
#include <string>

#include "builders/Lighting.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace zelvo {

class NumberComboBox;
class Traffic;

class LightingTab : public QWidget {
  Q_OBJECT
 public:
  // `showApplicationWarning` is the program setting of that name: the tab
  // reads it before the application warning and clears it on Ignore.
  LightingTab(Traffic& traffic, bool& showApplicationWarning, QWidget* parent = nullptr);

  // The handlers.
  void LightingSendButtonClick();
  void LightingTerminateRampButtonClick();
  void LightingAllOnButtonClick();
  void LightingAllOffButtonClick();
  void LightingToggleCheckBoxClick();
  void LightingRandomCheckBoxClick();
  void LightingRandomRunCheckBoxClick();
  void LightingToggleSpeedComboBoxChange();
  void LightingSpeedComboBoxChange();
  void LightingLevelRadioGroupClick();
  void LightingAppComboBoxExit();
  void LightingRunTimerTimer();

  // The command the fields describe ("" when no command is selected), and
  // its short label for a user button.
  std::string LightingGetZelvoCommandString();
  std::string GetZelvoCommandDescription();
  int LightingGetLevel() const;
  void LightingFillLevelCombo();
  void LightingSendRandomCommand();
  void LightingAllGroupCommand(int commandByte);

  // The random test and the learn selections are hidden at start; nothing
  // in the program shows them. Tests and a future menu can.
  void ShowHiddenControls();
  // Random(n) for the random run (a seeded generator by default).
  void SetRandomSource(RandomSource random) { random_ = std::move(random); }
  const LightingRun& Run() const { return run_; }

  NumberComboBox* LightingAppComboBox;
  NumberComboBox* LightingGroupComboBox;
  QRadioButton* LightingRampRadioButton;
  QRadioButton* LightingOnRadioButton;
  QRadioButton* LightingOffRadioButton;
  // "Lrn Init Relay", "Lrn Init Dimmer", "Lrn Exit Relay", "Lrn Exit Dimmer", "Lrn Cancel".
  std::array<QRadioButton*, 5> LightingLearnRadioButtons{};
  NumberComboBox* LightingLevelComboBox;
  QGroupBox* LightingLevelRadioGroup;
  QRadioButton* LightingLevelPercentRadioButton;
  QRadioButton* LightingLevelLevelRadioButton;
  QComboBox* LightingRampRateComboBox;
  QCheckBox* LightingToggleCheckBox;
  QComboBox* LightingToggleSpeedComboBox;
  QPushButton* LightingAllOnButton;
  QPushButton* LightingAllOffButton;
  QPushButton* LightingSendButton;
  QPushButton* LightingTerminateRampButton;
  QCheckBox* LightingRandomCheckBox;
  QGroupBox* LightingDestinationGroupBox;
  QGroupBox* LightingCommandGroupBox;
  QWidget* LightingRandomPanel;
  QComboBox* LightingSpeedComboBox;
  QComboBox* LightingCommandTypeComboBox;
  NumberComboBox* LightingRandomAppComboBox1;
  NumberComboBox* LightingRandomAppComboBox2;
  NumberComboBox* LightingRandomGAComboBox1;
  NumberComboBox* LightingRandomGAComboBox2;
  QCheckBox* LightingRandomRunCheckBox;
  QTimer LightingRunTimer;

 private:
  void BuildControls();
  int SelectedCommandType() const;
  void UpdateRampControls();
  void SpeedChanged(int index);
  void SyncTimer();
  bool PercentMode() const;

  Traffic& traffic_;
  bool& showApplicationWarning_;
  LightingRun run_;
  std::mt19937 generator_;
  RandomSource random_;
};

}  // namespace zelvo
