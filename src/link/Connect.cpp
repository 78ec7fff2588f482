#include "link/Connect.h"

#include "diagnostics/CalEngine.h"
#include "diagnostics/PciModel.h"
#include "link/Traffic.h"
#include "shell/Host.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

constexpr int kSerial = 0;
constexpr int kTcpIp = 1;

std::string Location(const LinkSettings& s) {
  return s.ConnectionType == kTcpIp ? s.IPAddress + ":" + std::to_string(s.Port) : s.COMPort;
}

void Error(Host& host, const std::string& text) { host.Message(MsgIcon::Error, text, MsgButtons::Ok); }

}  // namespace

bool WaitForSocketOpen(Host& host, LinkFlags& flags, const std::function<bool()>& active) {
  flags.ConnectInProgress = true;
  const std::int64_t start = host.TickMs();
  while (!active() && flags.ConnectInProgress && host.TickMs() - start < kSocketOpenWaitMs) {
    host.PumpOnce();
    if (active() || !flags.ConnectInProgress) break;
    host.Sleep(100);
  }
  flags.ConnectInProgress = false;
  return active();
}

void ZelvoConnecttoZelvoItemClick(Traffic& t, Connector& c, const LinkSettings& s, LinkFlags& flags,
                                  bool dontShowPciData) {
  Host& host = t.GetHost();
  RunFlags& run = t.GetSession().Traffic.Flags;
  run.PciResponded = false;

  if (c.ConnectedMark()) {
    c.SetConnectedMark(false);
    c.CommsClose();
    c.MainFormUpdateCaption();
    c.EnableItems();
    return;
  }

  if (!c.CommsOpen()) {
    Error(host, s.ConnectionType == kTcpIp ? "Could not connect to IP Address " + Location(s)
                                           : "Could not open Serial Port " + s.COMPort);
    c.EnableItems();
    return;
  }

  c.SetConnectedMark(true);
  t.SendZelvoString("~~~", "Set Basic Mode");

  const std::int64_t start = host.TickMs();
  do {
    host.PumpOnce();
    if (run.PciResponded) break;
    host.Sleep(100);
  } while (!run.PciResponded && host.TickMs() - start < kProbeAnswerWaitMs);

  if (run.PciResponded) {
    c.MainFormUpdateCaption();
    SetDefaultMode(t);
    GetPCIModel(t);
    const PciDetails details = RequestPciData(t);
    if (ShowPciDataDialog(false, flags.AutoConnecting, dontShowPciData))
      host.Message(MsgIcon::Information, PciDataMessage(details, t.GetSession().Interface.PCIVersion, Location(s)),
                   MsgButtons::Ok);
    c.ClearLists();
    c.EnableItems();
    return;
  }

  Error(host, s.ConnectionType == kTcpIp ? "ZNI not found at IP Address " + s.IPAddress
                                         : "PCI Not Found on Serial Port " + s.COMPort);
  c.SetConnectedMark(false);
  c.CommsClose();
  c.MainFormUpdateCaption();
}

void CommsClientSocketError(Host& host, Connector& c, LinkFlags& flags) {
  if (flags.ConnectInProgress) {
    flags.ConnectInProgress = false;
    return;
  }
  Error(host, "Socket error, disconnecting.");
  c.SetConnectedMark(false);
  c.CommsClose();
  c.MainFormUpdateCaption();
}

void SBRepairSerialButtonClick(Host& host, bool connected, const LinkSettings& s, RepairPort& port) {
  if (connected) {
    Error(host, "PCI connection can't be open to repair Serial port settings");
    return;
  }
  if (s.ConnectionType != kSerial) {
    Error(host, "Serial settings can only be repaired for a serial connected PCI");
    return;
  }
  if (host.Message(MsgIcon::Information, "Click OK try and return the Baud Rate settings of a PCI to default 9600 bps.",
                   MsgButtons::OkCancel) != MsgResult::Ok)
    return;
  port.Prepare(s.COMPort);
  for (int rate : {1200, 2400, 4800}) {
    port.SetBaudRate(rate);
    // A port that will not open at this rate is skipped; the others still run.
    if (!port.Open()) continue;
    port.Write("~~~A33D00FF\r");
    port.Close();
  }
  port.SetBaudRate(9600);
  host.Message(MsgIcon::Information, "PCI Data rate repair attempt complete. Results not guaranteed.", MsgButtons::Ok);
}

}  // namespace zelvo
