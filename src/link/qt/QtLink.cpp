#include "link/qt/QtLink.h"

#include "link/Traffic.h"
#include "shell/Host.h"

namespace zelvo {

namespace {

constexpr int kTcpIp = 1;

// Control lines: a pseudo-terminal or a bare adapter refuses the modem
// ioctls ("Inappropriate ioctl for device"); that is no reason to fail.
void SetControlLines(QSerialPort& port, bool dtr) {
  port.setDataTerminalReady(dtr);
  port.setRequestToSend(false);
  port.clearError();
}

bool OpenSerial(QSerialPort& port, const std::string& name, const SerialLine& line, bool dtr) {
  port.setPortName(QString::fromStdString(name));
  if (!port.open(QIODevice::ReadWrite)) return false;
  port.setBaudRate(line.BaudRate);
  port.setDataBits(line.DataBits);
  port.setParity(line.Parity);
  port.setStopBits(line.StopBits);
  // XON/XOFF stays off in both directions whatever the setup chose: the
  // interface expects no software flow control.
  port.setFlowControl(line.FlowControl == QSerialPort::SoftwareControl ? QSerialPort::NoFlowControl : line.FlowControl);
  SetControlLines(port, dtr);
  return true;
}

}  // namespace

QtLink::QtLink(Traffic& traffic, Host& host, LinkFlags& flags, std::function<void(const std::function<void()>&)> guard)
    : traffic_(traffic), host_(host), flags_(flags), guard_(std::move(guard)) {
  connect(&serial_, &QSerialPort::readyRead, this, [this] { Receive(serial_); });
  connect(&socket_, &QTcpSocket::readyRead, this, [this] { Receive(socket_); });
  connect(&serial_, &QSerialPort::errorOccurred, this, &QtLink::SerialError);
  connect(&socket_, &QTcpSocket::connected, this, [this] { socketWasConnected_ = true; });
  // Queued: the error is handled outside the socket's own signal, so the
  // handler may show a box and close the socket safely.
  connect(&socket_, &QTcpSocket::errorOccurred, this, &QtLink::SocketError, Qt::QueuedConnection);
}

bool QtLink::IsOpen() const {
  return type_ == kTcpIp ? socket_.state() == QAbstractSocket::ConnectedState : serial_.isOpen();
}

bool QtLink::Write(std::string_view bytes) {
  if (!IsOpen()) return false;
  const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QIODevice& device = type_ == kTcpIp ? static_cast<QIODevice&>(socket_) : static_cast<QIODevice&>(serial_);
  return device.write(data) == data.size();
}

bool QtLink::CommsOpen(const LinkSettings& s) {
  type_ = s.ConnectionType;
  if (type_ == kTcpIp) {
    if (socket_.state() == QAbstractSocket::ConnectedState) return true;
    socket_.abort();
    socketWasConnected_ = false;
    socket_.connectToHost(QString::fromStdString(s.IPAddress), static_cast<quint16>(s.Port));
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    const bool open =
        WaitForSocketOpen(host_, flags_, [this] { return socket_.state() == QAbstractSocket::ConnectedState; });
    if (!open) socket_.abort();  // stop a connection attempt still under way
    return open;
  }
  if (serial_.isOpen()) return true;
  return OpenSerial(serial_, s.COMPort, line_, !s.UseMRAHandshake);
}

void QtLink::CommsClose() {
  if (serial_.isOpen()) serial_.close();
  socketWasConnected_ = false;
  if (socket_.state() != QAbstractSocket::UnconnectedState) socket_.abort();
}

void QtLink::Receive(QIODevice& device) {
  // Everything waiting, each byte as the character of the same code.
  const QByteArray data = device.readAll();
  if (data.isEmpty()) return;
  receivedBytes_ += data.size();
  receivedMessages_ += data.count('\r');
  guard_(
      [&] { traffic_.ProcessReceivedText(std::string_view(data.constData(), static_cast<std::size_t>(data.size()))); });
  emit received();
}

void QtLink::SocketError(QAbstractSocket::SocketError) {
  // Ignore a stale error of an attempt already given up or of a socket we
  // closed ourselves; the window applies the rule to the others.
  if (!flags_.ConnectInProgress && !socketWasConnected_) return;
  socketWasConnected_ = false;
  emit socketError();
}

void QtLink::SerialError(QSerialPort::SerialPortError error) {
  // The adapter went away: close the port so it stops reporting, and let
  // every later send be ignored as on a closed link.
  if (error == QSerialPort::ResourceError && serial_.isOpen()) serial_.close();
}

void QtRepairPort::Prepare(const std::string& portName) {
  if (port_.isOpen()) port_.close();
  port_.setPortName(QString::fromStdString(portName));
}

void QtRepairPort::SetBaudRate(int bitsPerSecond) {
  rate_ = bitsPerSecond;
  if (port_.isOpen()) port_.setBaudRate(rate_);
}

bool QtRepairPort::Open() {
  SerialLine line;
  line.BaudRate = rate_;
  return OpenSerial(port_, port_.portName().toStdString(), line, true);
}

void QtRepairPort::Write(std::string_view bytes) {
  port_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  port_.waitForBytesWritten(1000);
}

void QtRepairPort::Close() { port_.close(); }

}  // namespace zelvo
