#pragma once
// The actions that the main window's buttons and menu items connect to:
// "Set Mode", "Set Mode of Other PCI" and "PCI Data" / "Get PCI Data".

#include <functional>
#include <string_view>

class QWidget;

namespace zelvo {

class Traffic;

// Opens the mode window for the local PCI, modally; it is freed after it.
// `showHelp` is called with the window's help topic when "&Help" is pressed.
void SetModeClick(Traffic& traffic, QWidget* parent, const std::function<void(int topic)>& showHelp = {});

// Asks for a unit address, checks the unit is a PC Interface (or that the
// user wants to go on) and opens the mode window for it.
void SetModeOfOtherPciClick(Traffic& traffic, QWidget* parent, const std::function<void(int topic)>& showHelp = {});

// The PCI data request with the busy cursor, then the information box
// through the Host. `location` is "address:port" or the serial port name;
// `fromButtonOrMenu` is false when the connect command asks.
void PciDataClick(Traffic& traffic, std::string_view location, bool fromButtonOrMenu, bool startupConnect,
                  bool dontShowOnConnect);

}  // namespace zelvo
