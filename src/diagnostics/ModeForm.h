#pragma once
// The mode window's rules: what it reads when it opens, which boxes it
// enables and ticks for a PCI version, and what "OK" writes (only the
// registers whose relevant bits changed). The window only shows this.

#include <cstdint>
#include <optional>
#include <string>

namespace zelvo {

class Traffic;

struct ModeRegisters {
  std::uint8_t InterfaceOptions1 = 0;
  std::uint8_t InterfaceOptions1Pwr = 0;
  std::uint8_t InterfaceOptions2 = 0;
  std::uint8_t InterfaceOptions3 = 0;
  std::uint8_t ApplicationAddress1 = 0;
  std::uint8_t ApplicationAddress2 = 0;
};

struct ModeFormData {
  bool FRemote = false;
  std::uint8_t FRemoteAddress = 0;
  int FPCIVersion = 0;
  std::string VersionText;
  ModeRegisters F;  // the registers read when the window opened
};

// Reads the registers: of the PCI at `remoteAddress`, or the tracked local ones.
ModeFormData ModeFormOpen(Traffic& t, std::optional<int> remoteAddress);

struct ModeFormEnables {
  bool Options1 = true;    // the six boxes and their "Reset to Defaults"
  bool PowerUp = true;     // the six power-up boxes and their reset
  bool AllMonitor = true;  // "All Monitor (Quenby)"
  bool LocalSal = true;
  bool Pcn = true, Pun = true, Exstat = true;
};
ModeFormEnables ModeFormEnabling(int pciVersion, bool remote);

// The ticks as bit sets of each register (the window maps boxes to bits).
struct ModeFormTicks {
  std::uint8_t Options1 = 0;  // CONNECT..IDMON bits
  bool AllMonitor = false;    // bit 02 of Interface Options 1
  std::uint8_t PowerUp = 0;
  std::uint8_t Options2 = 0;       // "Clock Gen" 01, "Burden" 40
  std::uint8_t Options3 = 0;       // "PCN" 01, "Local SAL" 02, "PUN" 04, "EXSTAT" 08
  std::string Address1, Address2;  // the monitor combo texts
};
ModeFormTicks ModeFormInitialTicks(const ModeFormData& data, bool hexNumbers);

// "Reset to Defaults" of each group.
inline constexpr std::uint8_t kResetOptions1 = 0x51;
inline constexpr std::uint8_t kResetPowerUp = 0x00;
inline constexpr std::uint8_t kResetOptions2 = 0x01;
inline constexpr std::uint8_t kResetOptions3 = 0x00;

std::string ModeFormMonitorCaption(bool hexNumbers);
std::string ModeFormOtherPciCaption(std::uint8_t address);

// "OK": writes what changed.
void ModeFormOk(Traffic& t, const ModeFormData& data, const ModeFormTicks& ticks);

// "Set Mode of Other PCI" up to opening the window: the address to open
// it for, or nullopt when the user stopped or the unit did not answer.
std::optional<int> AskOtherPciAddress(Traffic& t);

}  // namespace zelvo
