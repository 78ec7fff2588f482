#pragma once
// Connecting to the PC Interface: opening the selected link, probing the
// interface with "~~~", putting it into default mode and reading what it is.
// Also the socket error rule and the repair of a serial interface left at
// a wrong baud rate. The window and the link implement the ports below.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace zelvo {

class Host;
class Traffic;

struct LinkSettings {
  int ConnectionType = 0;  // 0 serial, 1 TCP/IP
  std::string COMPort = "COM1";
  std::string IPAddress = "192.168.0.1";
  int Port = 14000;
  bool UseMRAHandshake = false;
};

struct LinkFlags {
  bool ConnectInProgress = false;  // the socket open wait is running
  bool AutoConnecting = false;     // the start-up connect is running
};

// What the connect command drives: the link and the window around it.
class Connector {
 public:
  virtual ~Connector() = default;
  // Opens the selected link; true when it is open afterwards.
  virtual bool CommsOpen() = 0;
  // Closes the serial port and the socket, whichever is open.
  virtual void CommsClose() = 0;
  // The check mark of "Connect to Zelvo": connected.
  virtual bool ConnectedMark() const = 0;
  virtual void SetConnectedMark(bool on) = 0;
  virtual void MainFormUpdateCaption() = 0;
  virtual void EnableItems() = 0;
  // Empties both monitor panes.
  virtual void ClearLists() = 0;
};

inline constexpr int kSocketOpenWaitMs = 5000;
inline constexpr int kProbeAnswerWaitMs = 6000;

// The socket open wait: pumps the queue until `active` says so, a socket
// error clears ConnectInProgress, or five seconds have passed.
bool WaitForSocketOpen(Host& host, LinkFlags& flags, const std::function<bool()>& active);

// "Connect to Zelvo" and the speed button "Connect / Disconnect".
// `dontShowPciData` is the ShowPCIData setting.
void ZelvoConnecttoZelvoItemClick(Traffic& t, Connector& c, const LinkSettings& s, LinkFlags& flags,
                                  bool dontShowPciData);

// The socket's error event.
void CommsClientSocketError(Host& host, Connector& c, LinkFlags& flags);

// The serial port as the baud-rate repair drives it, outside the transmit
// pipeline.
class RepairPort {
 public:
  virtual ~RepairPort() = default;
  // XON/XOFF off, DTR high, RTS low, no parity, one stop bit, this name.
  virtual void Prepare(const std::string& portName) = 0;
  virtual void SetBaudRate(int bitsPerSecond) = 0;
  virtual bool Open() = 0;
  virtual void Write(std::string_view bytes) = 0;
  virtual void Close() = 0;
};

// "Try and repair serial PCI with strange Baud Rate".
void SBRepairSerialButtonClick(Host& host, bool connected, const LinkSettings& s, RepairPort& port);

}  // namespace zelvo
