#include "diagnostics/PciModel.h"

#include "diagnostics/CalEngine.h"
#include "diagnostics/InterfaceState.h"
#include "link/Codec.h"
#include "link/Traffic.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

int StrictHexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

std::string Reply(Traffic& t, std::string_view command, std::string_view pattern) {
  return SendCALGetResponse(t, command, pattern, 3, 2);
}

}  // namespace

void GetPCIModel(Traffic& t) {
  InterfaceState& s = t.GetSession().Interface;
  s.PCIAddress = -1;
  s.PCIVersion = ExtractVersion(GetPCIVersion(t, ""));
  if (s.PCIVersion == 0) {
    s.PCIAddress = 0;
    s.InterfaceOptions1 = s.InterfaceOptions1Pwr = s.InterfaceOptions2 = s.InterfaceOptions3 = 0;
    s.ApplicationAddress1 = s.ApplicationAddress2 = 0;
    return;
  }
  s.PCIAddress = HexToInt(Mid(Reply(t, "1A2001", "8220*"), 5, 2));
  s.LastRoute = HexOfSize(s.PCIAddress, 1) + "00";
  s.InterfaceOptions1 = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamInterfaceOptions1));
  s.InterfaceOptions1Pwr = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamInterfaceOptions1Pwr));
  s.InterfaceOptions2 = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamInterfaceOptions2));
  s.InterfaceOptions3 = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamInterfaceOptions3));
  s.ApplicationAddress1 = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamApplicationAddress1));
  s.ApplicationAddress2 = static_cast<std::uint8_t>(RecallParameterByte(t, "", kParamApplicationAddress2));
}

PciDetails RequestPciData(Traffic& t) {
  InterfaceState& s = t.GetSession().Interface;
  SetDefaultMode(t);
  PciDetails d;
  d.Manufacturer = HexToASCII(Mid(Reply(t, "2100", "8900*"), 5, 16));
  if (d.Manufacturer.empty()) {
    s.PCIVersion = 0;
    return d;
  }
  d.UnitType = HexToASCII(Mid(Reply(t, "2101", "8901*"), 5, 16));
  d.FirmwareVersion = GetPCIVersion(t, "");
  s.PCIVersion = ExtractVersion(d.FirmwareVersion);
  d.UnitAddress = std::string(Mid(Reply(t, "1A2001", "8220*"), 5, 2));
  d.Project = DecodePackedName(Mid(Reply(t, "1A2306", "8723*"), 5, 12));
  d.Voltage = HexToASCII(Mid(Reply(t, "2107", "8607*"), 5, 10));
  d.PartName = DecodePackedName(Mid(Reply(t, "1A2A06", "872A*"), 5, 12));
  d.SerialNumber = SerialNumberText(Mid(Reply(t, "2104", "8D04*"), 15, 8));
  return d;
}

std::string SerialNumberText(std::string_view s) {
  return std::to_string(HexToInt(Mid(s, 1, 5))) + "-" + std::to_string(HexToInt(Mid(s, 6, 3)));
}

std::string PciDataMessage(const PciDetails& d, int pciVersion, std::string_view location) {
  if (pciVersion == 0)
    return "PC Interface Details Unknown.\rSome software features may not work correctly.\r"
           "If possible, use a version 4.0 or later PCI.";
  std::string text = "PC Interface Details :\r  Location : " + std::string(location) + "\r";
  text += "  Manufacturer : " + d.Manufacturer + "\r";
  text += "  Unit Type : " + d.UnitType + "\r";
  text += "  Part Name : " + d.PartName + "\r";
  text += "  Project : " + d.Project + "\r";
  text += "  Firmware Version : " + d.FirmwareVersion + "\r";
  text += "  Serial Number : " + d.SerialNumber + "\r";
  text += "  Unit Address : " + d.UnitAddress + "\r";
  text += "  Zelvo Voltage : " + d.Voltage;
  return text;
}

bool ShowPciDataDialog(bool fromButtonOrMenu, bool startupConnect, bool dontShowOnConnect) {
  if (fromButtonOrMenu) return true;
  if (startupConnect) return false;
  return !dontShowOnConnect;
}

std::uint8_t HexPairToByte(std::string_view Text) {
  const int hi = Text.size() > 0 ? StrictHexDigit(Text[0]) : 0;
  const int lo = Text.size() > 1 ? StrictHexDigit(Text[1]) : 0;
  return static_cast<std::uint8_t>(hi * 16 + lo);
}

std::string DecodePackedName(std::string_view Text) {
  std::uint64_t n = 0;
  for (std::size_t i = 0; i < 6; ++i) n = (n << 8) | HexPairToByte(Mid(Text, 2 * i + 1, 2));
  std::string name;
  for (int shift = 42; shift >= 0; shift -= 6) {
    const auto code = static_cast<int>((n >> shift) & 0x3F);
    if (code != 30) name += static_cast<char>(code + 33);
  }
  name.resize(8, ' ');
  return name;
}

void SetAllMonitorMode(Traffic& t) {
  SendCALGetResponse(t, "@A3400048", "324000*", 3, 2);
  t.GetSession().Interface.AllMonitorActive = true;
}

}  // namespace zelvo
