#pragma once
// "Set PC Interface Mode": the option registers of the local PCI, or of one
// elsewhere on the network, as check boxes. Opening reads them, "OK" writes
// back only what changed; which boxes are enabled and ticked follows the
// PCI's version. The rules are the core's (diagnostics/ModeForm.h).

#include <QDialog>
#include <array>
#include <optional>

#include "diagnostics/ModeForm.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace zelvo {

class NumberComboBox;
class Traffic;

class TModeForm : public QDialog {
  Q_OBJECT
 public:
  explicit TModeForm(Traffic& traffic, QWidget* parent = nullptr);

  // Makes the window work on the PCI at this unit address.
  void SetRemoteAddress(int address) { remoteAddress_ = address & 0xFF; }
  // Reads the registers and sets every box (the window's FormShow).
  void FormShow();
  // FormShow, then the modal window; the result of exec().
  int Execute();

  void OKButtonClick();
  void Options1ResetButtonClick();
  void PowerUpResetButtonClick();
  void Options2ResetButtonClick();
  void Options3ResetButtonClick();

  const ModeFormData& Data() const { return data_; }

  // CONNECT, XON/XOFF, CHECKSUM, SMART, MONITOR, IDMON.
  std::array<QCheckBox*, 6> Options1CheckBoxes{};
  std::array<QCheckBox*, 6> PowerUpCheckBoxes{};
  QGroupBox* Options1GroupBox;
  QGroupBox* PowerUpGroupBox;
  QGroupBox* Options2GroupBox;
  QGroupBox* Options3GroupBox;
  QGroupBox* MonitorGroupBox;
  QPushButton* Options1ResetButton;
  QPushButton* PowerUpResetButton;
  QPushButton* Options2ResetButton;
  QPushButton* Options3ResetButton;
  QCheckBox* ClockGenCheckBox;
  QCheckBox* BurdenCheckBox;
  QCheckBox* PCNCheckBox;
  QCheckBox* LocalSALCheckBox;
  QCheckBox* PUNCheckBox;
  QCheckBox* EXSTATCheckBox;
  NumberComboBox* MonitorAddress1ComboBox;
  NumberComboBox* MonitorAddress2ComboBox;
  QCheckBox* AllMonitorCheckBox;
  QLabel* VersionLabel;
  QLabel* OtherPCILabel;
  QPushButton* OKButton;
  QPushButton* CancelButton;
  QPushButton* HelpButton;

  static constexpr int kHelpTopic = 4;

 signals:
  void helpRequested(int topic);

 private:
  void BuildControls();
  ModeFormTicks CurrentTicks() const;

  Traffic& traffic_;
  std::optional<int> remoteAddress_;
  ModeFormData data_;
};

}  // namespace zelvo
