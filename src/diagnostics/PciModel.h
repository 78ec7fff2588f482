#pragma once
// What the PC Interface is and how it is set: the model read after every
// connection, the identity shown by "PCI Data", the packed names, and the
// all-monitor mode of the traffic analyser.

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo {

class Traffic;

// Fills InterfaceState from the local PCI.
void GetPCIModel(Traffic& t);

struct PciDetails {
  std::string Manufacturer;
  std::string UnitType;
  std::string FirmwareVersion;
  std::string UnitAddress;  // two hex characters
  std::string Project;
  std::string Voltage;
  std::string PartName;
  std::string SerialNumber;
};

// The PCI data request: default mode, then the identity of the local PCI.
// Sets PCIVersion (0 when the PCI does not say who made it).
PciDetails RequestPciData(Traffic& t);
// The dialog text; `location` is "address:port" or the serial port name.
std::string PciDataMessage(const PciDetails& details, int pciVersion, std::string_view location);
// Whether the dialog is shown: always from the button or the menu item,
// never during the start-up connect, otherwise unless the user opted out.
bool ShowPciDataDialog(bool fromButtonOrMenu, bool startupConnect, bool dontShowOnConnect);

std::uint8_t HexPairToByte(std::string_view Text);
// Eight characters of six bits each from 12 hex digits; code 30 is left
// out and the name is padded with blanks to eight characters.
std::string DecodePackedName(std::string_view Text);
// "Serial Number": five and three hex digits as decimal, joined by "-".
std::string SerialNumberText(std::string_view digits8);

void SetAllMonitorMode(Traffic& t);

}  // namespace zelvo
