#pragma once
// "Program Options": the link, the decode options, the list layout, the
// time stamp and the PCI information box on connect.

#include <QDialog>

#include "shell/ProgramSettings.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zelvo {

class TOptionsForm : public QDialog {
  Q_OBJECT
 public:
  // `settings` is the program's in-memory copy: "Don't show PCI
  // information on connect" changes it at once, the rest only on OK.
  explicit TOptionsForm(ProgramSettings& settings, QWidget* parent = nullptr);

  // Loads every control; while the link is open the link controls are
  // disabled.
  void Load(bool linkOpen);
  // Takes the dialog's values after OK; returns whether the list layout
  // changed. The link settings change only while the link is closed.
  bool Store(bool linkOpen);

  // The controls, by the names the tests and the window use.
  QRadioButton* SerialRadio;
  QRadioButton* TcpIpRadio;
  QComboBox* ComPortComboBox;
  QPushButton* SetupButton;
  QCheckBox* MRACheckBox;
  QLineEdit* IPAddressEdit;
  QSpinBox* PortSpinEdit;
  QCheckBox* ShowNetworkCheckBox;
  QCheckBox* ShowUnitAddressCheckBox;
  QCheckBox* ShowApplicationCheckBox;
  QCheckBox* ShowMessageCheckBox;
  QRadioButton* SeparateRadio;
  QRadioButton* CombinedRadio;
  QSpinBox* TimeDecimalPlacesSpinEdit;
  QCheckBox* ShowDateCheckBox;
  QCheckBox* ShowPCIDataCheckBox;

 signals:
  // "Setup": the serial port's own settings for this run.
  void serialSetupRequested(const QString& portName);

 private:
  void SelectSerial();
  void SelectTcpIp();

  ProgramSettings& settings_;
  bool loading_ = false;
};

}  // namespace zelvo
