#pragma once
// The SettingsStore port: a per-user hierarchical key-value store. Sections
// are "Options", "Forms\Main", "WhatsNew" and the like.

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace zelvo {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string ReadString(std::string_view section, std::string_view key, std::string_view def) = 0;
  virtual int ReadInteger(std::string_view section, std::string_view key, int def) = 0;
  virtual bool ReadBool(std::string_view section, std::string_view key, bool def) = 0;
  virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
  virtual void WriteInteger(std::string_view section, std::string_view key, int value) = 0;
  virtual void WriteBool(std::string_view section, std::string_view key, bool value) = 0;
};

// An in-memory store: used by tests and by tools that keep no settings.
class MemorySettingsStore : public SettingsStore {
 public:
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) override;
  int ReadInteger(std::string_view section, std::string_view key, int def) override;
  bool ReadBool(std::string_view section, std::string_view key, bool def) override;
  void WriteString(std::string_view section, std::string_view key, std::string_view value) override;
  void WriteInteger(std::string_view section, std::string_view key, int value) override;
  void WriteBool(std::string_view section, std::string_view key, bool value) override;
  bool Contains(std::string_view section, std::string_view key) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace zelvo
