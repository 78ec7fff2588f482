#pragma once
// The link to the PC Interface on Qt: a serial port (9600 8N1, no flow
// control, RTS low, DTR high or low for a matrix switcher) or a TCP
// connection to a network interface. Every byte received is handed, as one
// character of the same code, to the receive assembler.

#include <QObject>
#include <QSerialPort>
#include <QTcpSocket>
#include <functional>

#include "link/Connect.h"
#include "link/Link.h"
#include "link/qt/SerialSetupDialog.h"

namespace zelvo {

class Host;
class Traffic;

class QtLink : public QObject, public Link {
  Q_OBJECT
 public:
  // `guard` runs a call into the core so that an exception never crosses
  // the event loop.
  QtLink(Traffic& traffic, Host& host, LinkFlags& flags, std::function<void(const std::function<void()>&)> guard);

  bool IsOpen() const override;
  bool Write(std::string_view bytes) override;

  // CommsOpen for the given settings; the type chosen here is the one that
  // IsOpen and Write use until the next open.
  bool CommsOpen(const LinkSettings& s);
  void CommsClose();

  // The serial line for this run ("Setup"); 9600 8N1 without flow control
  // unless the user changed it.
  void SetSerialLine(const SerialLine& line) { line_ = line; }
  const SerialLine& GetSerialLine() const { return line_; }

  // Counters for the load check: bytes received, and carriage returns
  // (each ends one message of the interface).
  qint64 ReceivedBytes() const { return receivedBytes_; }
  qint64 ReceivedMessages() const { return receivedMessages_; }

  QTcpSocket& Socket() { return socket_; }
  QSerialPort& Serial() { return serial_; }

 signals:
  // A socket error while opening or after the connection was made.
  void socketError();
  // Received bytes went through the receive assembler.
  void received();

 private:
  void Receive(QIODevice& device);
  void SocketError(QAbstractSocket::SocketError error);
  void SerialError(QSerialPort::SerialPortError error);

  Traffic& traffic_;
  Host& host_;
  LinkFlags& flags_;
  std::function<void(const std::function<void()>&)> guard_;
  QSerialPort serial_;
  QTcpSocket socket_;
  SerialLine line_;
  int type_ = 0;
  qint64 receivedBytes_ = 0;
  qint64 receivedMessages_ = 0;
  bool socketWasConnected_ = false;
};

// The serial port as the baud-rate repair drives it.
class QtRepairPort : public RepairPort {
 public:
  explicit QtRepairPort(QSerialPort& port) : port_(port) {}
  void Prepare(const std::string& portName) override;
  void SetBaudRate(int bitsPerSecond) override;
  bool Open() override;
  void Write(std::string_view bytes) override;
  void Close() override;

 private:
  QSerialPort& port_;
  int rate_ = 9600;
};

}  // namespace zelvo
