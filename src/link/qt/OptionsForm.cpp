#include "link/qt/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zelvo {

namespace {

// The serial ports of this machine, by the name the port layer opens.
QStringList SerialPortNames() {
  QStringList names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
#ifdef Q_OS_WIN
    names << info.portName();
#else
    names << info.systemLocation();
#endif
  return names;
}

}  // namespace

TOptionsForm::TOptionsForm(ProgramSettings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Program Options"));
  setModal(true);

  auto* connection = new QGroupBox(QStringLiteral("Zelvo Connection"));
  SerialRadio = new QRadioButton(QStringLiteral("Serial"));
  TcpIpRadio = new QRadioButton(QStringLiteral("TCP/IP"));
  ComPortComboBox = new QComboBox;
  ComPortComboBox->setObjectName(QStringLiteral("ComPortComboBox"));
  ComPortComboBox->setEditable(true);  // a pseudo-terminal path can be typed
  ComPortComboBox->setMinimumContentsLength(16);
  SetupButton = new QPushButton(QStringLiteral("Setup"));
  MRACheckBox = new QCheckBox(QStringLiteral("RTS, DTR low for MRA Matrix Switcher"));
  IPAddressEdit = new QLineEdit;
  IPAddressEdit->setObjectName(QStringLiteral("IPAddressEdit"));
  PortSpinEdit = new QSpinBox;
  PortSpinEdit->setObjectName(QStringLiteral("PortSpinEdit"));
  PortSpinEdit->setRange(1, 65535);
  auto* serialRow = new QHBoxLayout;
  serialRow->addWidget(SerialRadio);
  serialRow->addWidget(ComPortComboBox, 1);
  serialRow->addWidget(SetupButton);
  auto* tcpRow = new QHBoxLayout;
  tcpRow->addWidget(TcpIpRadio);
  tcpRow->addWidget(new QLabel(QStringLiteral("IP Address")));
  tcpRow->addWidget(IPAddressEdit, 1);
  tcpRow->addWidget(new QLabel(QStringLiteral("Port")));
  tcpRow->addWidget(PortSpinEdit);
  auto* connectionLayout = new QVBoxLayout(connection);
  connectionLayout->addLayout(serialRow);
  connectionLayout->addWidget(MRACheckBox);
  connectionLayout->addLayout(tcpRow);

  auto* decode = new QGroupBox(QStringLiteral("Decode Options"));
  ShowNetworkCheckBox = new QCheckBox(QStringLiteral("Show Network"));
  ShowUnitAddressCheckBox = new QCheckBox(QStringLiteral("Show Unit Address"));
  ShowApplicationCheckBox = new QCheckBox(QStringLiteral("Show Application"));
  ShowMessageCheckBox = new QCheckBox(QStringLiteral("Show Message"));
  auto* decodeLayout = new QVBoxLayout(decode);
  for (QCheckBox* b : {ShowNetworkCheckBox, ShowUnitAddressCheckBox, ShowApplicationCheckBox, ShowMessageCheckBox})
    decodeLayout->addWidget(b);

  auto* lists = new QGroupBox(QStringLiteral("Transmit and Receive Lists"));
  SeparateRadio = new QRadioButton(QStringLiteral("Separate"));
  CombinedRadio = new QRadioButton(QStringLiteral("Combined"));
  auto* listsLayout = new QVBoxLayout(lists);
  listsLayout->addWidget(SeparateRadio);
  listsLayout->addWidget(CombinedRadio);

  auto* stamp = new QGroupBox(QStringLiteral("Log Date and Time"));
  TimeDecimalPlacesSpinEdit = new QSpinBox;
  TimeDecimalPlacesSpinEdit->setRange(0, 2);
  ShowDateCheckBox = new QCheckBox(QStringLiteral("Show Date"));
  auto* stampLayout = new QFormLayout(stamp);
  stampLayout->addRow(QStringLiteral("Time Decimal Places"), TimeDecimalPlacesSpinEdit);
  stampLayout->addRow(ShowDateCheckBox);

  auto* pci = new QGroupBox(QStringLiteral("PCI information"));
  ShowPCIDataCheckBox = new QCheckBox(QStringLiteral("Don't show PCI information on connect"));
  (new QVBoxLayout(pci))->addWidget(ShowPCIDataCheckBox);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  auto* middle = new QHBoxLayout;
  middle->addWidget(decode);
  auto* right = new QVBoxLayout;
  right->addWidget(lists);
  right->addWidget(stamp);
  middle->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(connection);
  layout->addLayout(middle);
  layout->addWidget(pci);
  layout->addWidget(buttons);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(SerialRadio, &QRadioButton::clicked, this, [this] { MRACheckBox->setEnabled(true); });
  connect(TcpIpRadio, &QRadioButton::clicked, this, [this] { MRACheckBox->setEnabled(false); });
  connect(ComPortComboBox, &QComboBox::currentTextChanged, this, [this] {
    if (!loading_) SelectSerial();
  });
  connect(SetupButton, &QPushButton::clicked, this, [this] {
    SelectSerial();
    emit serialSetupRequested(ComPortComboBox->currentText());
  });
  connect(IPAddressEdit, &QLineEdit::textEdited, this, [this] { SelectTcpIp(); });
  connect(PortSpinEdit, &QSpinBox::valueChanged, this, [this] {
    if (!loading_) TcpIpRadio->setChecked(true);
  });
  // Takes effect at once, even if the dialog is then cancelled.
  connect(ShowPCIDataCheckBox, &QCheckBox::clicked, this, [this](bool on) { settings_.ShowPCIData = on; });
}

void TOptionsForm::SelectSerial() {
  SerialRadio->setChecked(true);
  MRACheckBox->setEnabled(true);
}

void TOptionsForm::SelectTcpIp() {
  TcpIpRadio->setChecked(true);
  MRACheckBox->setEnabled(false);
}

void TOptionsForm::Load(bool linkOpen) {
  loading_ = true;
  const ProgramSettings& s = settings_;
  ComPortComboBox->clear();
  ComPortComboBox->addItems(SerialPortNames());
  const QString port = QString::fromStdString(s.COMPort);
  if (ComPortComboBox->findText(port) < 0) ComPortComboBox->addItem(port);
  ComPortComboBox->setCurrentIndex(ComPortComboBox->findText(port));
  (s.ConnectionType == kConnectionTcpIp ? TcpIpRadio : SerialRadio)->setChecked(true);
  MRACheckBox->setChecked(s.UseMRAHandshake);
  MRACheckBox->setEnabled(SerialRadio->isChecked());
  IPAddressEdit->setText(QString::fromStdString(s.IPAddress));
  PortSpinEdit->setValue(s.Port);
  ShowNetworkCheckBox->setChecked(s.ShowNetwork);
  ShowUnitAddressCheckBox->setChecked(s.ShowDestination);
  ShowApplicationCheckBox->setChecked(s.ShowApplication);
  ShowMessageCheckBox->setChecked(s.ShowMessage);
  (s.CombineLists ? CombinedRadio : SeparateRadio)->setChecked(true);
  TimeDecimalPlacesSpinEdit->setValue(s.TimeDP);
  ShowDateCheckBox->setChecked(s.ShowDate);
  ShowPCIDataCheckBox->setChecked(s.ShowPCIData);
  for (QWidget* w : std::initializer_list<QWidget*>{ComPortComboBox, SerialRadio, TcpIpRadio, IPAddressEdit,
                                                    PortSpinEdit, SetupButton})
    w->setEnabled(!linkOpen);
  loading_ = false;
}

bool TOptionsForm::Store(bool linkOpen) {
  ProgramSettings& s = settings_;
  if (!linkOpen) {
    s.COMPort = ComPortComboBox->currentText().trimmed().toStdString();
    s.ConnectionType = TcpIpRadio->isChecked() ? kConnectionTcpIp : kConnectionSerial;
    s.IPAddress = IPAddressEdit->text().trimmed().toStdString();
    s.Port = PortSpinEdit->value();
  }
  const bool combine = CombinedRadio->isChecked();
  const bool layoutChanged = combine != s.CombineLists;
  s.CombineLists = combine;
  s.ShowNetwork = ShowNetworkCheckBox->isChecked();
  s.ShowDestination = ShowUnitAddressCheckBox->isChecked();
  s.ShowApplication = ShowApplicationCheckBox->isChecked();
  s.ShowMessage = ShowMessageCheckBox->isChecked();
  s.ShowDate = ShowDateCheckBox->isChecked();
  s.TimeDP = TimeDecimalPlacesSpinEdit->value();
  s.UseMRAHandshake = MRACheckBox->isChecked();
  return layoutChanged;
}

}  // namespace zelvo
