#include "diagnostics/qt/ModeForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "diagnostics/InterfaceState.h"
#include "link/Traffic.h"
#include "shell/Session.h"
#include "shell/qt/NumberComboBox.h"

namespace zelvo {

namespace {

struct BoxBit {
  const char* Caption;
  std::uint8_t Bit;
};
// Interface Options 1 and its power-up copy.
constexpr std::array<BoxBit, 6> kOptions1Bits{{{"CONNECT", kOptConnect},
                                               {"XON/XOFF", kOptXonXoff},
                                               {"CHECKSUM", kOptChecksum},
                                               {"SMART", kOptSmart},
                                               {"MONITOR", kOptMonitor},
                                               {"IDMON", kOptIdmon}}};

std::uint8_t Ticked(const std::array<QCheckBox*, 6>& boxes) {
  std::uint8_t v = 0;
  for (std::size_t i = 0; i < boxes.size(); ++i)
    if (boxes[i]->isChecked()) v |= kOptions1Bits[i].Bit;
  return v;
}

void Tick(const std::array<QCheckBox*, 6>& boxes, std::uint8_t bits) {
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i]->setChecked((bits & kOptions1Bits[i].Bit) != 0);
}

// "Reset to Defaults" leaves disabled boxes alone.
void ResetBox(QCheckBox* box, bool ticked) {
  if (box->isEnabled()) box->setChecked(ticked);
}

}  // namespace

TModeForm::TModeForm(Traffic& traffic, QWidget* parent) : QDialog(parent), traffic_(traffic) {
  setObjectName(QStringLiteral("ModeForm"));
  setWindowTitle(tr("Set PC Interface Mode"));
  BuildControls();
}

void TModeForm::BuildControls() {
  auto* top = new QVBoxLayout(this);
  OtherPCILabel = new QLabel(tr("Warning: Changing settings of remote PCI at address "), this);
  QFont bold = OtherPCILabel->font();
  bold.setBold(true);
  OtherPCILabel->setFont(bold);
  OtherPCILabel->setStyleSheet(QStringLiteral("color: red"));
  VersionLabel = new QLabel(tr("PCI Version: "), this);
  top->addWidget(OtherPCILabel);
  top->addWidget(VersionLabel);

  auto sixBoxes = [this](QGroupBox* group, std::array<QCheckBox*, 6>& boxes, QPushButton*& reset) {
    auto* layout = new QVBoxLayout(group);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      boxes[i] = new QCheckBox(QString::fromUtf8(kOptions1Bits[i].Caption), group);
      layout->addWidget(boxes[i]);
    }
    reset = new QPushButton(tr("Reset to Defaults"), group);
    layout->addWidget(reset);
  };
  Options1GroupBox = new QGroupBox(tr("Interface Options 1"), this);
  sixBoxes(Options1GroupBox, Options1CheckBoxes, Options1ResetButton);
  PowerUpGroupBox = new QGroupBox(tr("Power Up Settings"), this);
  sixBoxes(PowerUpGroupBox, PowerUpCheckBoxes, PowerUpResetButton);

  Options2GroupBox = new QGroupBox(tr("Interface Options 2"), this);
  auto* options2 = new QVBoxLayout(Options2GroupBox);
  ClockGenCheckBox = new QCheckBox(tr("Clock Gen"), Options2GroupBox);
  BurdenCheckBox = new QCheckBox(tr("Burden"), Options2GroupBox);
  Options2ResetButton = new QPushButton(tr("Reset to Defaults"), Options2GroupBox);
  for (QWidget* w : std::initializer_list<QWidget*>{ClockGenCheckBox, BurdenCheckBox, Options2ResetButton})
    options2->addWidget(w);

  Options3GroupBox = new QGroupBox(tr("Interface Options 3"), this);
  auto* options3 = new QVBoxLayout(Options3GroupBox);
  PCNCheckBox = new QCheckBox(tr("PCN"), Options3GroupBox);
  LocalSALCheckBox = new QCheckBox(tr("Local SAL"), Options3GroupBox);
  PUNCheckBox = new QCheckBox(tr("PUN"), Options3GroupBox);
  EXSTATCheckBox = new QCheckBox(tr("EXSTAT"), Options3GroupBox);
  Options3ResetButton = new QPushButton(tr("Reset to Defaults"), Options3GroupBox);
  for (QWidget* w :
       std::initializer_list<QWidget*>{PCNCheckBox, LocalSALCheckBox, PUNCheckBox, EXSTATCheckBox, Options3ResetButton})
    options3->addWidget(w);

  Host& host = traffic_.GetHost();
  const UserOptions& options = traffic_.GetSession().User;
  MonitorGroupBox = new QGroupBox(QString::fromStdString(ModeFormMonitorCaption(options.HexNumbers)), this);
  auto* monitor = new QGridLayout(MonitorGroupBox);
  MonitorAddress1ComboBox = new NumberComboBox(host, options, MonitorGroupBox);
  MonitorAddress2ComboBox = new NumberComboBox(host, options, MonitorGroupBox);
  monitor->addWidget(new QLabel(tr("Address 1"), MonitorGroupBox), 0, 0);
  monitor->addWidget(MonitorAddress1ComboBox, 0, 1);
  monitor->addWidget(new QLabel(tr("Address 2"), MonitorGroupBox), 1, 0);
  monitor->addWidget(MonitorAddress2ComboBox, 1, 1);

  auto* groups = new QGridLayout;
  groups->addWidget(Options1GroupBox, 0, 0, 2, 1);
  groups->addWidget(PowerUpGroupBox, 0, 1, 2, 1);
  groups->addWidget(Options2GroupBox, 0, 2);
  groups->addWidget(Options3GroupBox, 1, 2);
  groups->addWidget(MonitorGroupBox, 2, 0, 1, 3);
  top->addLayout(groups);

  // The all-monitor bit is carried through "OK" but never offered.
  AllMonitorCheckBox = new QCheckBox(tr("All Monitor (Quenby)"), this);
  AllMonitorCheckBox->hide();
  top->addWidget(AllMonitorCheckBox);

  auto* buttons = new QHBoxLayout;
  OKButton = new QPushButton(tr("OK"), this);
  OKButton->setDefault(true);
  CancelButton = new QPushButton(tr("Cancel"), this);
  HelpButton = new QPushButton(tr("&Help"), this);
  buttons->addStretch();
  for (auto* b : {OKButton, CancelButton, HelpButton}) buttons->addWidget(b);
  top->addLayout(buttons);

  // The system's control names, so a window can find them by name.
  for (auto [w, name] : std::initializer_list<std::pair<QObject*, const char*>>{
           {Options1GroupBox, "Options1GroupBox"},
           {PowerUpGroupBox, "PowerUpGroupBox"},
           {Options2GroupBox, "Options2GroupBox"},
           {Options3GroupBox, "Options3GroupBox"},
           {MonitorGroupBox, "MonitorGroupBox"},
           {Options1ResetButton, "Options1ResetButton"},
           {PowerUpResetButton, "PowerUpResetButton"},
           {Options2ResetButton, "Options2ResetButton"},
           {Options3ResetButton, "Options3ResetButton"},
           {ClockGenCheckBox, "ClockGenCheckBox"},
           {BurdenCheckBox, "BurdenCheckBox"},
           {PCNCheckBox, "PCNCheckBox"},
           {LocalSALCheckBox, "LocalSALCheckBox"},
           {PUNCheckBox, "PUNCheckBox"},
           {EXSTATCheckBox, "EXSTATCheckBox"},
           {MonitorAddress1ComboBox, "MonitorAddress1ComboBox"},
           {MonitorAddress2ComboBox, "MonitorAddress2ComboBox"},
           {AllMonitorCheckBox, "AllMonitorCheckBox"},
           {VersionLabel, "VersionLabel"},
           {OtherPCILabel, "OtherPCILabel"},
           {OKButton, "OKButton"},
           {CancelButton, "CancelButton"},
           {HelpButton, "HelpButton"},
       })
    w->setObjectName(QString::fromLatin1(name));

  connect(OKButton, &QPushButton::clicked, this, &TModeForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpButton, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
  connect(Options1ResetButton, &QPushButton::clicked, this, &TModeForm::Options1ResetButtonClick);
  connect(PowerUpResetButton, &QPushButton::clicked, this, &TModeForm::PowerUpResetButtonClick);
  connect(Options2ResetButton, &QPushButton::clicked, this, &TModeForm::Options2ResetButtonClick);
  connect(Options3ResetButton, &QPushButton::clicked, this, &TModeForm::Options3ResetButtonClick);
}

void TModeForm::FormShow() {
  const bool hex = traffic_.GetSession().User.HexNumbers;
  data_ = ModeFormOpen(traffic_, remoteAddress_);
  if (data_.FRemote) {
    OtherPCILabel->setText(QString::fromStdString(ModeFormOtherPciCaption(data_.FRemoteAddress)));
  } else {
    // The local window has no warning and no version line.
    OtherPCILabel->hide();
    VersionLabel->hide();
  }
  VersionLabel->setText(tr("PCI Version: ") + QString::fromStdString(data_.VersionText));
  MonitorAddress1ComboBox->FillCombo(0, 256, data_.F.ApplicationAddress1);
  MonitorAddress2ComboBox->FillCombo(0, 256, data_.F.ApplicationAddress2);

  const ModeFormEnables e = ModeFormEnabling(data_.FPCIVersion, data_.FRemote);
  for (auto* box : Options1CheckBoxes) box->setEnabled(e.Options1);
  Options1ResetButton->setEnabled(e.Options1);
  for (auto* box : PowerUpCheckBoxes) box->setEnabled(e.PowerUp);
  PowerUpResetButton->setEnabled(e.PowerUp);
  AllMonitorCheckBox->setEnabled(e.AllMonitor);
  LocalSALCheckBox->setEnabled(e.LocalSal);
  PCNCheckBox->setEnabled(e.Pcn);
  PUNCheckBox->setEnabled(e.Pun);
  EXSTATCheckBox->setEnabled(e.Exstat);

  const ModeFormTicks k = ModeFormInitialTicks(data_, hex);
  Tick(Options1CheckBoxes, k.Options1);
  Tick(PowerUpCheckBoxes, k.PowerUp);
  AllMonitorCheckBox->setChecked(k.AllMonitor);
  ClockGenCheckBox->setChecked((k.Options2 & kOpt2ClockGen) != 0);
  BurdenCheckBox->setChecked((k.Options2 & kOpt2Burden) != 0);
  PCNCheckBox->setChecked((k.Options3 & kOpt3Pcn) != 0);
  LocalSALCheckBox->setChecked((k.Options3 & kOpt3LocalSal) != 0);
  PUNCheckBox->setChecked((k.Options3 & kOpt3Pun) != 0);
  EXSTATCheckBox->setChecked((k.Options3 & kOpt3Exstat) != 0);
  MonitorGroupBox->setTitle(QString::fromStdString(ModeFormMonitorCaption(hex)));
  adjustSize();
}

int TModeForm::Execute() {
  FormShow();
  return exec();
}

ModeFormTicks TModeForm::CurrentTicks() const {
  ModeFormTicks k;
  k.Options1 = Ticked(Options1CheckBoxes);
  k.PowerUp = Ticked(PowerUpCheckBoxes);
  k.AllMonitor = AllMonitorCheckBox->isChecked();
  if (ClockGenCheckBox->isChecked()) k.Options2 |= kOpt2ClockGen;
  if (BurdenCheckBox->isChecked()) k.Options2 |= kOpt2Burden;
  if (PCNCheckBox->isChecked()) k.Options3 |= kOpt3Pcn;
  if (LocalSALCheckBox->isChecked()) k.Options3 |= kOpt3LocalSal;
  if (PUNCheckBox->isChecked()) k.Options3 |= kOpt3Pun;
  if (EXSTATCheckBox->isChecked()) k.Options3 |= kOpt3Exstat;
  k.Address1 = MonitorAddress1ComboBox->currentText().toStdString();
  k.Address2 = MonitorAddress2ComboBox->currentText().toStdString();
  return k;
}

void TModeForm::OKButtonClick() {
  // An address that is not a byte is reported and the window stays open.
  if (!MonitorAddress1ComboBox->CheckIntegerComboBox() || !MonitorAddress2ComboBox->CheckIntegerComboBox()) return;
  ModeFormOk(traffic_, data_, CurrentTicks());
  accept();
}

void TModeForm::Options1ResetButtonClick() {
  for (std::size_t i = 0; i < Options1CheckBoxes.size(); ++i)
    ResetBox(Options1CheckBoxes[i], (kResetOptions1 & kOptions1Bits[i].Bit) != 0);
}

void TModeForm::PowerUpResetButtonClick() {
  for (std::size_t i = 0; i < PowerUpCheckBoxes.size(); ++i)
    ResetBox(PowerUpCheckBoxes[i], (kResetPowerUp & kOptions1Bits[i].Bit) != 0);
}

void TModeForm::Options2ResetButtonClick() {
  ResetBox(ClockGenCheckBox, (kResetOptions2 & kOpt2ClockGen) != 0);
  ResetBox(BurdenCheckBox, (kResetOptions2 & kOpt2Burden) != 0);
}

void TModeForm::Options3ResetButtonClick() {
  ResetBox(PCNCheckBox, (kResetOptions3 & kOpt3Pcn) != 0);
  ResetBox(LocalSALCheckBox, (kResetOptions3 & kOpt3LocalSal) != 0);
  ResetBox(PUNCheckBox, (kResetOptions3 & kOpt3Pun) != 0);
  ResetBox(EXSTATCheckBox, (kResetOptions3 & kOpt3Exstat) != 0);
}

}  // namespace zelvo
