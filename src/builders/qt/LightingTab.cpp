#include "builders/qt/LightingTab.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "decode/Lighting.h"
#include "link/Codec.h"
#include "link/Traffic.h"
#include "shell/Host.h"
#include "shell/Session.h"
#include "shell/qt/NumberComboBox.h"

namespace zelvo {

namespace {

constexpr const char* kLearnCaptions[5] = {"Lrn Init Relay", "Lrn Init Dimmer", "Lrn Exit Relay", "Lrn Exit Dimmer",
                                           "Lrn Cancel"};
constexpr int kLearnTypes[5] = {kLightingLrnInitRelay, kLightingLrnInitDimmer, kLightingLrnExitRelay,
                                kLightingLrnExitDimmer, kLightingLrnCancel};

void FillSpeeds(QComboBox* combo) {
  for (const auto& speed : LightingRunSpeeds()) combo->addItem(QString::fromUtf8(speed.Caption));
  combo->setCurrentIndex(kDefaultRunSpeed);
}

}  // namespace

LightingTab::LightingTab(Traffic& traffic, bool& showApplicationWarning, QWidget* parent)
    : QWidget(parent),
      traffic_(traffic),
      showApplicationWarning_(showApplicationWarning),
      generator_(std::random_device{}()) {
  random_ = [this](int n) { return n > 0 ? std::uniform_int_distribution<int>(0, n - 1)(generator_) : 0; };
  setObjectName(QStringLiteral("LightingTab"));
  BuildControls();
}

void LightingTab::BuildControls() {
  Host& host = traffic_.GetHost();
  const UserOptions& options = traffic_.GetSession().User;
  auto numberCombo = [&](QWidget* parent, int start, int size, int index) {
    auto* combo = new NumberComboBox(host, options, parent);
    combo->FillCombo(start, size, index);
    return combo;
  };

  // Destination.
  LightingDestinationGroupBox = new QGroupBox(tr("Destination"), this);
  auto* destination = new QGridLayout(LightingDestinationGroupBox);
  LightingAppComboBox = numberCombo(LightingDestinationGroupBox, 0, 256, 56);
  LightingGroupComboBox = numberCombo(LightingDestinationGroupBox, 0, 256, 0);
  destination->addWidget(new QLabel(tr("Application"), LightingDestinationGroupBox), 0, 0);
  destination->addWidget(LightingAppComboBox, 0, 1);
  destination->addWidget(new QLabel(tr("Group"), LightingDestinationGroupBox), 1, 0);
  destination->addWidget(LightingGroupComboBox, 1, 1);

  // Command: one radio set for the three commands and the five learn ones.
  LightingCommandGroupBox = new QGroupBox(tr("Command"), this);
  auto* command = new QGridLayout(LightingCommandGroupBox);
  auto* radios = new QButtonGroup(this);
  LightingRampRadioButton = new QRadioButton(tr("Ramp to"), LightingCommandGroupBox);
  LightingOnRadioButton = new QRadioButton(tr("On"), LightingCommandGroupBox);
  LightingOffRadioButton = new QRadioButton(tr("Off"), LightingCommandGroupBox);
  for (auto* radio : {LightingRampRadioButton, LightingOnRadioButton, LightingOffRadioButton}) radios->addButton(radio);
  LightingRampRadioButton->setChecked(true);
  command->addWidget(LightingRampRadioButton, 0, 0);
  command->addWidget(LightingOnRadioButton, 1, 0);
  command->addWidget(LightingOffRadioButton, 2, 0);
  for (int i = 0; i < 5; ++i) {
    auto* radio = new QRadioButton(QString::fromUtf8(kLearnCaptions[i]), LightingCommandGroupBox);
    radios->addButton(radio);
    radio->hide();
    command->addWidget(radio, 3 + i, 0);
    LightingLearnRadioButtons[static_cast<std::size_t>(i)] = radio;
  }

  LightingLevelComboBox = new NumberComboBox(host, options, LightingCommandGroupBox);
  LightingLevelRadioGroup = new QGroupBox(LightingCommandGroupBox);
  auto* levelMode = new QHBoxLayout(LightingLevelRadioGroup);
  LightingLevelPercentRadioButton = new QRadioButton(tr("%"), LightingLevelRadioGroup);
  LightingLevelLevelRadioButton = new QRadioButton(tr("Level"), LightingLevelRadioGroup);
  LightingLevelPercentRadioButton->setChecked(true);
  levelMode->addWidget(LightingLevelPercentRadioButton);
  levelMode->addWidget(LightingLevelLevelRadioButton);
  LightingRampRateComboBox = new QComboBox(LightingCommandGroupBox);
  for (const char* caption : LightingRampRateCaptions()) LightingRampRateComboBox->addItem(QString::fromUtf8(caption));
  LightingRampRateComboBox->setCurrentIndex(0);
  command->addWidget(LightingLevelComboBox, 0, 1);
  command->addWidget(LightingLevelRadioGroup, 0, 2);
  command->addWidget(LightingRampRateComboBox, 1, 1, 1, 2);
  LightingFillLevelCombo();

  // Random panel, shown in place of the two boxes above.
  LightingRandomPanel = new QWidget(this);
  auto* random = new QGridLayout(LightingRandomPanel);
  LightingSpeedComboBox = new QComboBox(LightingRandomPanel);
  FillSpeeds(LightingSpeedComboBox);
  LightingCommandTypeComboBox = new QComboBox(LightingRandomPanel);
  for (const char* caption : LightingRandomTypeCaptions())
    LightingCommandTypeComboBox->addItem(QString::fromUtf8(caption));
  LightingCommandTypeComboBox->setCurrentIndex(kRandomConcatenated);
  LightingRandomAppComboBox1 = numberCombo(LightingRandomPanel, 0, 256, 56);
  LightingRandomAppComboBox2 = numberCombo(LightingRandomPanel, 0, 256, 56);
  LightingRandomGAComboBox1 = numberCombo(LightingRandomPanel, 0, 256, 0);
  LightingRandomGAComboBox2 = numberCombo(LightingRandomPanel, 0, 256, 255);
  LightingRandomRunCheckBox = new QCheckBox(tr("Run"), LightingRandomPanel);
  random->addWidget(new QLabel(tr("Speed"), LightingRandomPanel), 0, 0);
  random->addWidget(LightingSpeedComboBox, 0, 1, 1, 3);
  random->addWidget(new QLabel(tr("Command Type"), LightingRandomPanel), 1, 0);
  random->addWidget(LightingCommandTypeComboBox, 1, 1, 1, 3);
  random->addWidget(new QLabel(tr("Application"), LightingRandomPanel), 2, 0);
  random->addWidget(LightingRandomAppComboBox1, 2, 1);
  random->addWidget(new QLabel(tr("to"), LightingRandomPanel), 2, 2);
  random->addWidget(LightingRandomAppComboBox2, 2, 3);
  random->addWidget(new QLabel(tr("Group Address"), LightingRandomPanel), 3, 0);
  random->addWidget(LightingRandomGAComboBox1, 3, 1);
  random->addWidget(new QLabel(tr("to"), LightingRandomPanel), 3, 2);
  random->addWidget(LightingRandomGAComboBox2, 3, 3);
  random->addWidget(LightingRandomRunCheckBox, 4, 0);
  LightingRandomPanel->hide();

  // Runs and buttons.
  auto* side = new QVBoxLayout;
  LightingToggleCheckBox = new QCheckBox(tr("Continuously Toggle"), this);
  LightingToggleSpeedComboBox = new QComboBox(this);
  FillSpeeds(LightingToggleSpeedComboBox);
  LightingAllOnButton = new QPushButton(tr("All On"), this);
  LightingAllOffButton = new QPushButton(tr("All Off"), this);
  LightingRandomCheckBox = new QCheckBox(tr("Random"), this);
  LightingRandomCheckBox->hide();
  LightingSendButton = new QPushButton(tr("&Send"), this);
  LightingTerminateRampButton = new QPushButton(tr("&Term. Ramp"), this);
  for (QWidget* w : std::initializer_list<QWidget*>{LightingToggleCheckBox, LightingToggleSpeedComboBox,
                                                    LightingAllOnButton, LightingAllOffButton, LightingRandomCheckBox,
                                                    LightingSendButton, LightingTerminateRampButton})
    side->addWidget(w);
  side->addStretch();

  auto* top = new QHBoxLayout(this);
  top->addWidget(LightingDestinationGroupBox);
  top->addWidget(LightingCommandGroupBox);
  top->addWidget(LightingRandomPanel);
  top->addLayout(side);

  LightingRunTimer.setInterval(run_.IntervalMs);
  // The system's control names, so a window can find them by name.
  for (auto [w, name] : std::initializer_list<std::pair<QObject*, const char*>>{
           {LightingAppComboBox, "LightingAppComboBox"},
           {LightingGroupComboBox, "LightingGroupComboBox"},
           {LightingRampRadioButton, "LightingRampRadioButton"},
           {LightingOnRadioButton, "LightingOnRadioButton"},
           {LightingOffRadioButton, "LightingOffRadioButton"},
           {LightingLevelComboBox, "LightingLevelComboBox"},
           {LightingLevelRadioGroup, "LightingLevelRadioGroup"},
           {LightingRampRateComboBox, "LightingRampRateComboBox"},
           {LightingToggleCheckBox, "LightingToggleCheckBox"},
           {LightingToggleSpeedComboBox, "LightingToggleSpeedComboBox"},
           {LightingAllOnButton, "LightingAllOnButton"},
           {LightingAllOffButton, "LightingAllOffButton"},
           {LightingSendButton, "LightingSendButton"},
           {LightingTerminateRampButton, "LightingTerminateRampButton"},
           {LightingRandomCheckBox, "LightingRandomCheckBox"},
           {LightingDestinationGroupBox, "LightingDestinationGroupBox"},
           {LightingCommandGroupBox, "LightingCommandGroupBox"},
           {LightingRandomPanel, "LightingRandomPanel"},
           {LightingSpeedComboBox, "LightingSpeedComboBox"},
           {LightingCommandTypeComboBox, "LightingCommandTypeComboBox"},
           {LightingRandomAppComboBox1, "LightingRandomAppComboBox1"},
           {LightingRandomAppComboBox2, "LightingRandomAppComboBox2"},
           {LightingRandomGAComboBox1, "LightingRandomGAComboBox1"},
           {LightingRandomGAComboBox2, "LightingRandomGAComboBox2"},
           {LightingRandomRunCheckBox, "LightingRandomRunCheckBox"},
       })
    w->setObjectName(QString::fromLatin1(name));

  connect(LightingSendButton, &QPushButton::clicked, this, &LightingTab::LightingSendButtonClick);
  connect(LightingTerminateRampButton, &QPushButton::clicked, this, &LightingTab::LightingTerminateRampButtonClick);
  connect(LightingAllOnButton, &QPushButton::clicked, this, &LightingTab::LightingAllOnButtonClick);
  connect(LightingAllOffButton, &QPushButton::clicked, this, &LightingTab::LightingAllOffButtonClick);
  connect(LightingToggleCheckBox, &QCheckBox::toggled, this, &LightingTab::LightingToggleCheckBoxClick);
  connect(LightingRandomCheckBox, &QCheckBox::toggled, this, &LightingTab::LightingRandomCheckBoxClick);
  connect(LightingRandomRunCheckBox, &QCheckBox::toggled, this, &LightingTab::LightingRandomRunCheckBoxClick);
  connect(LightingToggleSpeedComboBox, &QComboBox::currentIndexChanged, this,
          &LightingTab::LightingToggleSpeedComboBoxChange);
  connect(LightingSpeedComboBox, &QComboBox::currentIndexChanged, this, &LightingTab::LightingSpeedComboBoxChange);
  connect(LightingLevelPercentRadioButton, &QRadioButton::toggled, this, &LightingTab::LightingLevelRadioGroupClick);
  connect(LightingAppComboBox, &NumberComboBox::entryChecked, this, &LightingTab::LightingAppComboBoxExit);
  for (auto* radio : {LightingRampRadioButton, LightingOnRadioButton, LightingOffRadioButton})
    connect(radio, &QRadioButton::toggled, this, &LightingTab::UpdateRampControls);
  connect(&LightingRunTimer, &QTimer::timeout, this, &LightingTab::LightingRunTimerTimer);
}

void LightingTab::ShowHiddenControls() {
  LightingRandomCheckBox->show();
  for (auto* radio : LightingLearnRadioButtons) radio->show();
}

bool LightingTab::PercentMode() const { return LightingLevelPercentRadioButton->isChecked(); }

void LightingTab::LightingFillLevelCombo() {
  // Percentages are always decimal; levels follow the number format.
  if (PercentMode())
    LightingLevelComboBox->FillDecimalCombo(0, 101, 0);
  else
    LightingLevelComboBox->FillCombo(0, 256, 0);
}

void LightingTab::LightingLevelRadioGroupClick() { LightingFillLevelCombo(); }

int LightingTab::LightingGetLevel() const {
  const int index = std::max(0, LightingLevelComboBox->currentIndex());
  return PercentMode() ? PercentToLevel(index) : index;
}

void LightingTab::UpdateRampControls() {
  // Only the three commands decide; a learn selection leaves them as they are.
  if (!LightingRampRadioButton->isChecked() && !LightingOnRadioButton->isChecked() &&
      !LightingOffRadioButton->isChecked())
    return;
  const bool ramp = LightingRampRadioButton->isChecked();
  LightingLevelComboBox->setEnabled(ramp);
  LightingLevelRadioGroup->setEnabled(ramp);
  LightingRampRateComboBox->setEnabled(ramp);
}

int LightingTab::SelectedCommandType() const {
  if (LightingOnRadioButton->isChecked()) return kLightingOn;
  if (LightingOffRadioButton->isChecked()) return kLightingOff;
  if (LightingRampRadioButton->isChecked()) return kLightingRamp;
  for (std::size_t i = 0; i < LightingLearnRadioButtons.size(); ++i)
    if (LightingLearnRadioButtons[i]->isChecked()) return kLearnTypes[i];
  return kLightingNone;
}

std::string LightingTab::LightingGetZelvoCommandString() {
  const int type = SelectedCommandType();
  if (type == kLightingNone) return {};
  // A typed entry that is not in range is reported and nothing is built.
  if (!LightingAppComboBox->CheckIntegerComboBox() || !LightingGroupComboBox->CheckIntegerComboBox()) return {};
  if (type == kLightingRamp && !LightingLevelComboBox->CheckIntegerComboBox()) return {};
  Session& s = traffic_.GetSession();
  return LightingMakeCommandString(s.User.Remote, traffic_.GetHost(), LightingAppComboBox->Value(),
                                   LightingGroupComboBox->Value(), type, LightingGetLevel(),
                                   LightingRampRateComboBox->currentIndex());
}

std::string LightingTab::GetZelvoCommandDescription() {
  return LightingCommandDescription(LightingGroupComboBox->currentText().toStdString(), SelectedCommandType(),
                                    LightingGetLevel(), traffic_.GetSession().User.HexNumbers);
}

void LightingTab::LightingSendButtonClick() {
  Session& s = traffic_.GetSession();
  if (!CheckRemoteNetworkPath(s.User.Remote, traffic_.GetHost())) return;
  if (LightingRandomCheckBox->isChecked()) {
    LightingSendRandomCommand();
    return;
  }
  const std::string command = LightingGetZelvoCommandString();
  if (!command.empty()) traffic_.SendZelvoCommand(command);
}

void LightingTab::LightingTerminateRampButtonClick() {
  if (!LightingAppComboBox->CheckIntegerComboBox() || !LightingGroupComboBox->CheckIntegerComboBox()) return;
  Session& s = traffic_.GetSession();
  const std::string command = LightingTerminateRampString(s.User.Remote, traffic_.GetHost(),
                                                          LightingAppComboBox->Value(), LightingGroupComboBox->Value());
  if (!command.empty()) traffic_.SendZelvoCommand(command);
}

void LightingTab::LightingAllGroupCommand(int commandByte) {
  if (!LightingAppComboBox->CheckIntegerComboBox()) return;
  zelvo::LightingAllGroupCommand(traffic_, LightingAppComboBox->Value(), commandByte, [this](bool on) {
    LightingAllOnButton->setEnabled(on);
    LightingAllOffButton->setEnabled(on);
  });
}

void LightingTab::LightingAllOnButtonClick() { LightingAllGroupCommand(0x79); }
void LightingTab::LightingAllOffButtonClick() { LightingAllGroupCommand(0x01); }

void LightingTab::LightingSendRandomCommand() {
  for (auto* combo :
       {LightingRandomAppComboBox1, LightingRandomAppComboBox2, LightingRandomGAComboBox1, LightingRandomGAComboBox2})
    if (!combo->CheckIntegerComboBox()) return;
  RandomRunRange range;
  range.FromApp = LightingRandomAppComboBox1->Value();
  range.ToApp = LightingRandomAppComboBox2->Value();
  range.FromGroup = LightingRandomGAComboBox1->Value();
  range.ToGroup = LightingRandomGAComboBox2->Value();
  range.CommandType = LightingCommandTypeComboBox->currentIndex();
  Session& s = traffic_.GetSession();
  Host& host = traffic_.GetHost();
  const std::string message =
      LightingRandomCommand(range, random_, [&](int app) { return SALHeader(s.User.Remote, host, app); });
  if (!message.empty()) traffic_.SendZelvoCommand(message);
}

void LightingTab::SyncTimer() {
  if (LightingRunTimer.interval() != run_.IntervalMs) LightingRunTimer.setInterval(run_.IntervalMs);
  if (!run_.TimerEnabled)
    LightingRunTimer.stop();
  else if (!LightingRunTimer.isActive())
    LightingRunTimer.start();
}

void LightingTab::LightingToggleCheckBoxClick() {
  const bool on = LightingToggleCheckBox->isChecked();
  LightingSetToggle(run_, traffic_.GetSession().Traffic.Flags, on);
  LightingSendButton->setVisible(!on);
  SyncTimer();
}

void LightingTab::LightingRandomRunCheckBoxClick() {
  LightingSetRun(run_, traffic_.GetSession().Traffic.Flags, LightingRandomRunCheckBox->isChecked());
  SyncTimer();
}

void LightingTab::LightingRandomCheckBoxClick() {
  const bool on = LightingRandomCheckBox->isChecked();
  LightingRandomPanel->setVisible(on);
  LightingDestinationGroupBox->setVisible(!on);
  LightingCommandGroupBox->setVisible(!on);
  if (on)
    LightingToggleCheckBox->setChecked(false);
  else
    LightingRandomRunCheckBox->setChecked(false);
}

void LightingTab::SpeedChanged(int index) {
  LightingSetSpeed(run_, traffic_.GetSession().Traffic.Flags, index);
  // Both speed boxes show the same speed.
  for (auto* combo : {LightingToggleSpeedComboBox, LightingSpeedComboBox}) {
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index);
  }
  SyncTimer();
}

void LightingTab::LightingToggleSpeedComboBoxChange() { SpeedChanged(LightingToggleSpeedComboBox->currentIndex()); }
void LightingTab::LightingSpeedComboBoxChange() { SpeedChanged(LightingSpeedComboBox->currentIndex()); }

void LightingTab::LightingAppComboBoxExit() {
  if (!showApplicationWarning_ || !LightingApplicationNeedsWarning(LightingAppComboBox->Value())) return;
  const std::string text = LightingApplicationWarningText(traffic_.GetSession().User.HexNumbers);
  if (traffic_.GetHost().Message(MsgIcon::Warning, text, MsgButtons::OkIgnore) == MsgResult::Ignore)
    showApplicationWarning_ = false;
}

void LightingTab::LightingRunTimerTimer() {
  switch (LightingRunTimerTick(run_, traffic_.GetSession().Traffic.Flags)) {
    case LightingTick::Wait: return;
    case LightingTick::Timeout:
      SyncTimer();
      traffic_.GetHost().Message(MsgIcon::Warning, kPciTimeoutWarning, MsgButtons::Ok);
      LightingToggleCheckBox->setChecked(false);
      LightingRandomRunCheckBox->setChecked(false);
      return;
    case LightingTick::Toggle:
      SyncTimer();
      if (LightingOnRadioButton->isChecked())
        LightingOffRadioButton->setChecked(true);
      else
        LightingOnRadioButton->setChecked(true);
      LightingSendButtonClick();
      break;
    case LightingTick::Random:
      SyncTimer();
      LightingSendRandomCommand();
      break;
  }
  LightingTickDone(run_);
  SyncTimer();
}

}  // namespace zelvo
