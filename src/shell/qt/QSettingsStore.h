#pragma once
// The SettingsStore port on QSettings: organisation "Tervane Integrated
// Systems", application "Zelvo Diagnostic" (the registry on Windows, an INI
// file under the user's configuration folder elsewhere).

#include <QSettings>

#include "shell/SettingsStore.h"

namespace zelvo {

class QSettingsStore : public SettingsStore {
 public:
  QSettingsStore();
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override;
  int ReadInteger(std::string_view section, std::string_view key, int def) override;
  bool ReadBool(std::string_view section, std::string_view key, bool def) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
  void WriteInteger(std::string_view section, std::string_view key, int value) override;
  void WriteBool(std::string_view section, std::string_view key, bool value) override;
  void Sync() { settings_.sync(); }

 private:
  QSettings settings_;
};

}  // namespace zelvo
