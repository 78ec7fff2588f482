#pragma once
// The serial port's own setup dialog ("Setup" in "Program Options"): port,
// rate, data bits, parity, stop bits and flow control for this run only.

#include <QDialog>
#include <QSerialPort>

class QComboBox;

namespace zelvo {

struct SerialLine {
  qint32 BaudRate = 9600;
  QSerialPort::DataBits DataBits = QSerialPort::Data8;
  QSerialPort::Parity Parity = QSerialPort::NoParity;
  QSerialPort::StopBits StopBits = QSerialPort::OneStop;
  QSerialPort::FlowControl FlowControl = QSerialPort::NoFlowControl;
};

class SerialSetupDialog : public QDialog {
  Q_OBJECT
 public:
  SerialSetupDialog(const QString& portName, const SerialLine& line, QWidget* parent = nullptr);
  QString PortName() const;
  SerialLine Line() const;

 private:
  QComboBox* port_;
  QComboBox* baud_;
  QComboBox* dataBits_;
  QComboBox* parity_;
  QComboBox* stopBits_;
  QComboBox* flow_;
};

}  // namespace zelvo
