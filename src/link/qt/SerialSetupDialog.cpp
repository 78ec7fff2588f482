#include "link/qt/SerialSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSerialPortInfo>

namespace zelvo {

namespace {

QComboBox* Choice(const QList<QPair<QString, int>>& items, int current) {
  auto* box = new QComboBox;
  for (const auto& [text, value] : items) box->addItem(text, value);
  box->setCurrentIndex(std::max(0, box->findData(current)));
  return box;
}

}  // namespace

SerialSetupDialog::SerialSetupDialog(const QString& portName, const SerialLine& line, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Serial Port Setup"));
  port_ = new QComboBox;
  port_->setEditable(true);
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) port_->addItem(info.systemLocation());
  if (port_->findText(portName) < 0) port_->addItem(portName);
  port_->setCurrentText(portName);
  QList<QPair<QString, int>> rates;
  for (int r : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}) rates.append({QString::number(r), r});
  baud_ = Choice(rates, line.BaudRate);
  dataBits_ = Choice(
      {{"5", QSerialPort::Data5}, {"6", QSerialPort::Data6}, {"7", QSerialPort::Data7}, {"8", QSerialPort::Data8}},
      line.DataBits);
  parity_ = Choice({{"None", QSerialPort::NoParity},
                    {"Even", QSerialPort::EvenParity},
                    {"Odd", QSerialPort::OddParity},
                    {"Mark", QSerialPort::MarkParity},
                    {"Space", QSerialPort::SpaceParity}},
                   line.Parity);
  stopBits_ = Choice({{"1", QSerialPort::OneStop}, {"1.5", QSerialPort::OneAndHalfStop}, {"2", QSerialPort::TwoStop}},
                     line.StopBits);
  flow_ = Choice({{"None", QSerialPort::NoFlowControl},
                  {"Hardware", QSerialPort::HardwareControl},
                  {"XON/XOFF", QSerialPort::SoftwareControl}},
                 line.FlowControl);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Port"), port_);
  form->addRow(QStringLiteral("Baud Rate"), baud_);
  form->addRow(QStringLiteral("Data Bits"), dataBits_);
  form->addRow(QStringLiteral("Parity"), parity_);
  form->addRow(QStringLiteral("Stop Bits"), stopBits_);
  form->addRow(QStringLiteral("Flow Control"), flow_);
  form->addRow(buttons);
}

QString SerialSetupDialog::PortName() const { return port_->currentText().trimmed(); }

SerialLine SerialSetupDialog::Line() const {
  SerialLine l;
  l.BaudRate = baud_->currentData().toInt();
  l.DataBits = static_cast<QSerialPort::DataBits>(dataBits_->currentData().toInt());
  l.Parity = static_cast<QSerialPort::Parity>(parity_->currentData().toInt());
  l.StopBits = static_cast<QSerialPort::StopBits>(stopBits_->currentData().toInt());
  l.FlowControl = static_cast<QSerialPort::FlowControl>(flow_->currentData().toInt());
  return l;
}

}  // namespace zelvo
