#include "shell/SettingsStore.h"

#include <charconv>

namespace zelvo {

namespace {
std::pair<std::string, std::string> Key(std::string_view section, std::string_view key) {
  return {std::string(section), std::string(key)};
}
}  // namespace

std::string MemorySettingsStore::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  auto it = values_.find(Key(section, key));
  return it == values_.end() ? std::string(def) : it->second;
}

int MemorySettingsStore::ReadInteger(std::string_view section, std::string_view key, int def) {
  auto it = values_.find(Key(section, key));
  if (it == values_.end()) return def;
  int value = def;
  const auto& s = it->second;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return (ec == std::errc() && ptr == s.data() + s.size()) ? value : def;
}

bool MemorySettingsStore::ReadBool(std::string_view section, std::string_view key, bool def) {
  auto it = values_.find(Key(section, key));
  if (it == values_.end()) return def;
  return it->second == "1" || it->second == "true";
}

void MemorySettingsStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  values_[Key(section, key)] = std::string(value);
}

void MemorySettingsStore::WriteInteger(std::string_view section, std::string_view key, int value) {
  values_[Key(section, key)] = std::to_string(value);
}

void MemorySettingsStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  values_[Key(section, key)] = value ? "1" : "0";
}

bool MemorySettingsStore::Contains(std::string_view section, std::string_view key) const {
  return values_.count(Key(section, key)) != 0;
}

}  // namespace zelvo
