#include "diagnostics/ModeForm.h"

#include "diagnostics/CalEngine.h"
#include "diagnostics/InterfaceState.h"
#include "link/Codec.h"
#include "link/Traffic.h"
#include "shell/Host.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

constexpr std::uint8_t kOptions1Boxes = kOptConnect | kOptXonXoff | kOptChecksum | kOptSmart | kOptMonitor | kOptIdmon;

std::string Hex(int v) { return HexOfSize(v & 0xFF, 1); }

bool InAllMonitorRange(int v) { return v >= kVersion300 && v < kVersion400; }

std::string ModeHeader(Traffic& t, const ModeFormData& d) {
  Session& s = t.GetSession();
  if (d.FRemote) return CALHeaderForUnit(s.User.Remote, t.GetHost(), d.FRemoteAddress);
  if (d.FPCIVersion >= kVersion400) return "@";
  return "\\06" + Hex(s.Interface.PCIAddress < 0 ? 0 : s.Interface.PCIAddress) + "00";
}

// A remote PCI must be unlocked for a write: it answers "11" + pp with a key.
std::string UnlockKey(Traffic& t, const ModeFormData& d, const std::string& header, int param) {
  if (!d.FRemote) return "00";
  const std::string pp = Hex(param);
  const std::string reply = SendCALGetResponse(t, header + "11" + pp, "82" + pp + "*", 3, 2);
  return reply.size() >= 6 ? reply.substr(4, 2) : std::string();
}

}  // namespace

ModeFormData ModeFormOpen(Traffic& t, std::optional<int> remoteAddress) {
  Session& s = t.GetSession();
  ModeFormData d;
  if (remoteAddress) {
    d.FRemote = true;
    d.FRemoteAddress = static_cast<std::uint8_t>(*remoteAddress & 0xFF);
    const std::string header = CALHeaderForUnit(s.User.Remote, t.GetHost(), d.FRemoteAddress);
    if (header.empty()) return d;
    d.VersionText = GetPCIVersion(t, header);
    d.FPCIVersion = ExtractVersion(d.VersionText);
    auto recall = [&](int p) { return static_cast<std::uint8_t>(RecallParameterByte(t, header, p)); };
    d.F.InterfaceOptions1 = recall(kParamInterfaceOptions1);
    d.F.InterfaceOptions1Pwr = recall(kParamInterfaceOptions1Pwr);
    d.F.InterfaceOptions2 = recall(kParamInterfaceOptions2);
    d.F.InterfaceOptions3 = recall(kParamInterfaceOptions3);
    d.F.ApplicationAddress1 = recall(kParamApplicationAddress1);
    d.F.ApplicationAddress2 = recall(kParamApplicationAddress2);
    return d;
  }
  const auto& i = s.Interface;
  d.FPCIVersion = i.PCIVersion;
  d.F = {i.InterfaceOptions1, i.InterfaceOptions1Pwr, i.InterfaceOptions2,
         i.InterfaceOptions3, i.ApplicationAddress1,  i.ApplicationAddress2};
  return d;
}

ModeFormEnables ModeFormEnabling(int v, bool remote) {
  ModeFormEnables e;
  e.AllMonitor = v >= kVersion300;
  e.LocalSal = v >= kVersion312;
  const bool modern = v >= kVersion400;
  e.Pcn = e.Pun = e.Exstat = e.PowerUp = modern;
  // A remote PCI of 4.00 or later keeps its Interface Options 1.
  e.Options1 = !(modern && remote);
  return e;
}

ModeFormTicks ModeFormInitialTicks(const ModeFormData& d, bool hexNumbers) {
  ModeFormTicks k;
  const int v = d.FPCIVersion;
  k.Options1 = d.F.InterfaceOptions1 & kOptions1Boxes;
  k.AllMonitor = (d.F.InterfaceOptions1 & kOptAllMonitor) != 0;
  if (v >= kVersion400) k.PowerUp = d.F.InterfaceOptions1Pwr & kOptions1Boxes;
  k.Options2 = d.F.InterfaceOptions2 & (kOpt2ClockGen | kOpt2Burden);
  if (v >= kVersion400) k.Options3 |= d.F.InterfaceOptions3 & (kOpt3Pcn | kOpt3Pun | kOpt3Exstat);
  if (v >= kVersion312) k.Options3 |= d.F.InterfaceOptions3 & kOpt3LocalSal;
  k.Address1 = NumberString(d.F.ApplicationAddress1, hexNumbers);
  k.Address2 = NumberString(d.F.ApplicationAddress2, hexNumbers);
  return k;
}

std::string ModeFormMonitorCaption(bool hexNumbers) {
  const std::string all = NumberString(255, hexNumbers);
  return "Monitor Applications    (" + all + ", " + all + " for all applications)";
}

std::string ModeFormOtherPciCaption(std::uint8_t address) {
  return "Warning: Changing settings of remote PCI at address " + Hex(address);
}

void ModeFormOk(Traffic& t, const ModeFormData& d, const ModeFormTicks& k) {
  const int ver = d.FPCIVersion;
  const bool hex = t.GetSession().User.HexNumbers;
  const std::string header = ModeHeader(t, d);
  if (header.empty()) return;

  std::uint8_t v = k.Options1 & kOptions1Boxes;
  if (k.AllMonitor && InAllMonitorRange(ver)) v |= kOptAllMonitor;
  const std::uint8_t mask = InAllMonitorRange(ver) ? 0x7F : 0x7D;
  if (v != (d.F.InterfaceOptions1 & mask)) {
    const std::string key = UnlockKey(t, d, header, kParamInterfaceOptions1);
    t.SendZelvoCommand(header + "A330" + key + Hex(v) + key);
  }

  if (ver >= kVersion400) {
    const std::uint8_t p = k.PowerUp & kOptions1Boxes;
    if (p != (d.F.InterfaceOptions1Pwr & 0x7D)) {
      if (d.FRemote) t.SendZelvoCommand(header + "1141");
      t.SendZelvoCommand(header + "A34100" + Hex(p));
    }
  }

  const std::uint8_t o2 = k.Options2 & (kOpt2ClockGen | kOpt2Burden);
  if (o2 != (d.F.InterfaceOptions2 & 0x41)) {
    // Written twice: the interface takes the second as confirmation.
    t.SendZelvoCommand(header + "A33E00" + Hex(o2));
    t.SendZelvoCommand(header + "A33E00" + Hex(o2));
  }

  if (ver >= kVersion300) {
    std::uint8_t o3 = 0;
    if (ver >= kVersion400) o3 |= k.Options3 & (kOpt3Pcn | kOpt3Pun | kOpt3Exstat);
    if (ver >= kVersion312) o3 |= k.Options3 & kOpt3LocalSal;
    const std::uint8_t mask3 = ver >= kVersion400 ? 0x0F : 0x02;
    if (o3 != (d.F.InterfaceOptions3 & mask3)) {
      if (d.FRemote) t.SendZelvoCommand(header + "1142");
      t.SendZelvoCommand(header + "A34200" + Hex(o3));
    }
  }

  auto writeAddress = [&](const std::string& text, std::uint8_t before, int param) {
    const int a = StringToNumber(text, hex);
    // An entry that is not a byte was refused when the box was left; never
    // write it as FF.
    if (a < 0 || a > 255 || a == before) return;
    const std::string key = UnlockKey(t, d, header, param);
    t.SendZelvoCommand(header + "A3" + Hex(param) + key + Hex(a) + key);
  };
  writeAddress(k.Address1, d.F.ApplicationAddress1, kParamApplicationAddress1);
  writeAddress(k.Address2, d.F.ApplicationAddress2, kParamApplicationAddress2);
}

std::optional<int> AskOtherPciAddress(Traffic& t) {
  Session& s = t.GetSession();
  Host& host = t.GetHost();
  if (!CheckRemoteNetworkPath(s.User.Remote, host)) return std::nullopt;
  auto typed = host.InputBox("Unit Address", "Enter PCI Unit Address (hex) :", "");
  if (!typed) return std::nullopt;
  const int address = HexToInt(HexByte(*typed));
  const std::string header = CALHeaderForUnit(s.User.Remote, host, address);
  const std::string reply = SendCALGetResponse(t, header + "2101", "8901*", 3, 2);
  const std::string type = Trim(HexToASCII(reply.size() > 4 ? reply.substr(4, 16) : std::string()));
  if (type.empty()) {
    host.Message(MsgIcon::Information, "No response from unit at that address.", MsgButtons::Ok);
    return std::nullopt;
  }
  bool isPci = false;
  for (const char* pci : {"HOST_IF", "HOSTIF", "HOST_NB", "HOSTNB"})
    isPci = isPci || type.find(pci) != std::string::npos;
  if (!isPci) {
    const std::string text = "This unit is not a PC Interface.\rIt is of type " + type + ".\r" +
                             "Changing its Mode may cause operational problems.\r" + "Do you want to continue ?";
    if (host.Message(MsgIcon::Warning, text, MsgButtons::YesNo) != MsgResult::Yes) return std::nullopt;
  }
  return address;
}

}  // namespace zelvo
