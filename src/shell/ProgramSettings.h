#pragma once
// The program's settings: every key of section "Options" with its type and
// default, the main window's placement under "Forms\Main", and the What's
// New rule. Read once when the main window is first shown, written once at
// exit; changes in between live in memory only.

#include <array>
#include <string>
#include <string_view>

namespace zelvo {

class SettingsStore;

inline constexpr std::string_view kOptionsSection = "Options";
inline constexpr std::string_view kWhatsNewSection = "WhatsNew";

inline constexpr int kConnectionSerial = 0;
inline constexpr int kConnectionTcpIp = 1;

// The sixteen tab settings, in the order of the "Show Tabs" menu.
enum TabIndex {
  kTabLighting,
  kTabLabels,
  kTabControl,
  kTabSceneMgt,
  kTabAudio,
  kTabTelephony,
  kTabSecurity,
  kTabAccess,
  kTabHVAC,
  kTabError,
  kTabMeasurement,
  kTabTime,
  kTabMediaTransport,
  kTabShortInformation,
  kTabCAL,
  kTabCustom,
  kTabCount
};

struct ProgramSettings {
  std::string COMPort = "COM1";
  std::string IPAddress = "192.168.0.1";
  int Port = 14000;
  int ConnectionType = kConnectionSerial;
  bool UseMRAHandshake = false;
  bool CombineLists = true;
  bool ShowDecodedMessage = true;
  bool ShowASCII = false;
  std::array<bool, kTabCount> ShowTab = [] {
    std::array<bool, kTabCount> a{};
    a.fill(true);
    return a;
  }();
  // "Don't show PCI information on connect".
  bool ShowPCIData = true;
  bool ShowDestination = false;
  bool ShowNetwork = false;
  bool ShowApplication = false;
  // Written, never read: decoded messages always start with their text.
  bool ShowMessage = true;
  bool HexNumbers = false;
  bool WordWrap = true;
  bool ShowTime = true;
  bool AckChar = false;
  bool ShowDate = false;
  int TimeDP = 0;
  bool ShowApplicationWarning = true;
  bool MMIAutoUpdate = false;
};

// The settings key of tab i ("ShowLightingTab" ...).
std::string_view TabSettingKey(int tab);

void LoadProgramSettings(SettingsStore& store, ProgramSettings& s);
void SaveProgramSettings(SettingsStore& store, const ProgramSettings& s);

// A window's placement under "Forms\" + its name.
struct FormPlacement {
  int Left = 0;
  int Top = 0;
  int Width = 800;
  int Height = 600;
  bool Maximised = false;
};

std::string FormSection(std::string_view keyName);
// SetFormSize: the stored placement (default 800 x 600 centred) fitted to
// the screen: larger than the screen maximises, otherwise it is moved back
// inside the right and bottom edges and never left of or above 0.
FormPlacement SetFormSize(SettingsStore& store, std::string_view keyName, int screenWidth, int screenHeight);
void SaveFormSize(SettingsStore& store, std::string_view keyName, const FormPlacement& p);

// What's New: shown at start when AutoShow is set or the stored version
// differs from the program's.
bool WhatsNewShouldShow(SettingsStore& store, std::string_view programVersion);
// After the viewer has been shown: remember the version and the tick.
void WhatsNewRemember(SettingsStore& store, std::string_view programVersion, bool autoShow);

}  // namespace zelvo
