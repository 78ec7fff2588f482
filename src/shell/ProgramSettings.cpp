#include "shell/ProgramSettings.h"

#include <algorithm>
#include <variant>

#include "shell/SettingsStore.h"

namespace zelvo {

namespace {

using Member = std::variant<bool ProgramSettings::*, int ProgramSettings::*, std::string ProgramSettings::*>;

struct Key {
  std::string_view Name;
  Member Field;
  bool WrittenOnly = false;
};

// Section "Options": key name -> field. The defaults are the field
// initialisers of ProgramSettings; the tab keys follow in their own table.
const Key kOptionKeys[] = {
    {"COMPort", &ProgramSettings::COMPort},
    {"IPAddress", &ProgramSettings::IPAddress},
    {"Port", &ProgramSettings::Port},
    {"ConnectionType", &ProgramSettings::ConnectionType},
    {"UseMRAHandshake", &ProgramSettings::UseMRAHandshake},
    {"CombineLists", &ProgramSettings::CombineLists},
    {"ShowDecodedMessage", &ProgramSettings::ShowDecodedMessage},
    {"ShowASCII", &ProgramSettings::ShowASCII},
    {"ShowPCIData", &ProgramSettings::ShowPCIData},
    {"ShowDestination", &ProgramSettings::ShowDestination},
    {"ShowNetwork", &ProgramSettings::ShowNetwork},
    {"ShowApplication", &ProgramSettings::ShowApplication},
    {"ShowMessage", &ProgramSettings::ShowMessage, true},
    {"HexNumbers", &ProgramSettings::HexNumbers},
    {"WordWrap", &ProgramSettings::WordWrap},
    {"ShowTime", &ProgramSettings::ShowTime},
    {"AckChar", &ProgramSettings::AckChar},
    {"ShowDate", &ProgramSettings::ShowDate},
    {"TimeDP", &ProgramSettings::TimeDP},
    {"ShowApplicationWarning", &ProgramSettings::ShowApplicationWarning},
    {"MMIAutoUpdate", &ProgramSettings::MMIAutoUpdate},
};

// Tab index -> settings key.
constexpr std::string_view kTabKeys[kTabCount] = {
    "ShowLightingTab",
    "ShowLabelsTab",
    "ShowControlTab",
    "ShowSceneMgtTab",
    "ShowAudioTab",
    "ShowTelephonyTab",
    "ShowSecurityTab",
    "ShowAccessTab",
    "ShowHVACTab",
    "ShowErrorTab",
    "ShowMeasurementTab",
    "ShowTimeTab",
    "ShowMediaTransportTab",
    "ShowShortInformationTab",
    "ShowCALTab",
    "ShowCustomTab",
};

struct Loader {
  SettingsStore& store;
  ProgramSettings& s;
  std::string_view name;
  const ProgramSettings& defaults;
  void operator()(bool ProgramSettings::*m) const { s.*m = store.ReadBool(kOptionsSection, name, defaults.*m); }
  void operator()(int ProgramSettings::*m) const { s.*m = store.ReadInteger(kOptionsSection, name, defaults.*m); }
  void operator()(std::string ProgramSettings::*m) const {
    s.*m = store.ReadString(kOptionsSection, name, defaults.*m);
  }
};

struct Saver {
  SettingsStore& store;
  const ProgramSettings& s;
  std::string_view name;
  void operator()(bool ProgramSettings::*m) const { store.WriteBool(kOptionsSection, name, s.*m); }
  void operator()(int ProgramSettings::*m) const { store.WriteInteger(kOptionsSection, name, s.*m); }
  void operator()(std::string ProgramSettings::*m) const { store.WriteString(kOptionsSection, name, s.*m); }
};

}  // namespace

std::string_view TabSettingKey(int tab) { return tab >= 0 && tab < kTabCount ? kTabKeys[tab] : std::string_view(); }

void LoadProgramSettings(SettingsStore& store, ProgramSettings& s) {
  const ProgramSettings defaults;
  for (const Key& k : kOptionKeys)
    if (!k.WrittenOnly) std::visit(Loader{store, s, k.Name, defaults}, k.Field);
  for (int i = 0; i < kTabCount; ++i)
    s.ShowTab[static_cast<std::size_t>(i)] = store.ReadBool(kOptionsSection, kTabKeys[i], true);
  s.ShowMessage = true;
}

void SaveProgramSettings(SettingsStore& store, const ProgramSettings& s) {
  for (const Key& k : kOptionKeys) std::visit(Saver{store, s, k.Name}, k.Field);
  for (int i = 0; i < kTabCount; ++i)
    store.WriteBool(kOptionsSection, kTabKeys[i], s.ShowTab[static_cast<std::size_t>(i)]);
}

std::string FormSection(std::string_view keyName) { return "Forms\\" + std::string(keyName); }

FormPlacement SetFormSize(SettingsStore& store, std::string_view keyName, int screenWidth, int screenHeight) {
  const std::string section = FormSection(keyName);
  FormPlacement p;
  p.Top = store.ReadInteger(section, "Top", (screenHeight - 600) / 2);
  p.Left = store.ReadInteger(section, "Left", (screenWidth - 800) / 2);
  p.Width = store.ReadInteger(section, "Width", 800);
  p.Height = store.ReadInteger(section, "Height", 600);
  if (p.Width > screenWidth || p.Height > screenHeight) {
    p.Maximised = true;
    return p;
  }
  if (p.Left + p.Width > screenWidth) p.Left = screenWidth - p.Width;
  if (p.Top + p.Height > screenHeight) p.Top = screenHeight - p.Height;
  p.Left = std::max(p.Left, 0);
  p.Top = std::max(p.Top, 0);
  return p;
}

void SaveFormSize(SettingsStore& store, std::string_view keyName, const FormPlacement& p) {
  const std::string section = FormSection(keyName);
  store.WriteInteger(section, "Top", p.Top);
  store.WriteInteger(section, "Left", p.Left);
  store.WriteInteger(section, "Height", p.Height);
  store.WriteInteger(section, "Width", p.Width);
}

bool WhatsNewShouldShow(SettingsStore& store, std::string_view programVersion) {
  return store.ReadBool(kWhatsNewSection, "AutoShow", true) ||
         store.ReadString(kWhatsNewSection, "VersionNumber", "New") != programVersion;
}

void WhatsNewRemember(SettingsStore& store, std::string_view programVersion, bool autoShow) {
  store.WriteString(kWhatsNewSection, "VersionNumber", programVersion);
  store.WriteBool(kWhatsNewSection, "AutoShow", autoShow);
}

}  // namespace zelvo
