#include "decode/CodeTable.h"
#include "decode/Decoders.h"
#include "decode/MessageChars.h"

namespace zelvo {

namespace {

// Most security commands carry a message identifier in their first parameter;
// command 01 clears a condition, 79 raises one.
constexpr CodeText kClearEvents[] = {
    {128, "System Disarmed"},
    {131, "Alarm Off"},
    {132, "Tamper Off"},
    {133, "Panic Off"},
    {139, "Battery OK"},
    {145, "Mains Restored"},
    {148, "Line Cut Alarm Cleared"},
    {149, "Arm Failed Cleared"},
    {150, "Fire Alarm Cleared"},
    {151, "Gas Alarm Cleared"},
    {152, "Other Alarm Cleared"},
    {163, "Drop Tamper"},
};

constexpr CodeText kRaiseEvents[] = {
    {131, "Alarm On"},
    {132, "Tamper On"},
    {133, "Panic On"},
    {139, "Battery Low"},
    {145, "Mains Failure"},
    {146, "Arm OK"},
    {148, "Line Cut Alarm Raised"},
    {149, "Arm Failed Raised"},
    {150, "Fire Alarm Raised"},
    {151, "Gas Alarm Raised"},
    {152, "Other Alarm Raised"},
    {163, "Raise Tamper"},
    {164, "Raise Alarm"},
};

constexpr CodeText kEventRequests[] = {
    {129, "Exit Delay Started"},
    {130, "Entry Delay Started"},
    {160, "Status Report 1 Request"},
    {161, "Status Report 2 Request"},
};

// Identifier with a zone number (command 0A).
constexpr CodeText kZoneStates[] = {
    {134, " Unsealed"}, {135, " Sealed"}, {136, " Open"}, {137, " Short"}, {138, " Isolated"},
};

constexpr CodeText kBatteryCharging[] = {
    {0, "Battery Charging Stopped"},
    {255, "Battery Charging Started"},
};

constexpr CodeText kPasswordEntry[] = {
    {1, "Password Entry Succeeded"},
    {2, "Password Entry Failed"},
    {3, "Password Entry Disabled"},
    {4, "Password Entry Re-enabled"},
};

constexpr CodeText kArmModes[] = {
    {1, "Arm System : Away Mode"},     {2, "Arm System : Night (Home) Mode"}, {3, "Arm System : Day Mode"},
    {4, "Arm System : Vacation Mode"}, {255, "Arm System : Highest Level"},
};

// Keypad keys other than the printable characters.
constexpr CodeText kKeypadKeys[] = {
    {13, "Enter"}, {128, "Shift"}, {129, "Panic"}, {130, "Fire"},     {131, "Arm"},
    {132, "Away"}, {133, "Night"}, {134, "Day"},   {135, "Vacation"},
};

constexpr CodeText kArmedStates[] = {
    {0, "System Disarmed"},
    {1, "System Fully Armed"},
    {2, "System Partially Armed"},
};

std::string Dec(int v) { return std::to_string(v); }

std::string KeypadText(int v) {
  std::string text = "Emulate Keypad : ";
  if (v >= 32 && v <= 127) return text + static_cast<char>(v);
  const std::string_view key = FindCodeText(kKeypadKeys, v, {});
  if (key.empty()) return text + "#" + Dec(v);
  return text.append(key);
}

// Command 0A: identifier and one value.
std::string IdentifierValueText(const DecodeCall& d, int k, int id) {
  const auto value = [&] { return static_cast<int>(d.B(k + 2)); };
  switch (id) {
    case 134:
    case 135:
    case 136:
    case 137:
    case 138: return "Zone " + Dec(value()) + std::string(FindCodeText(kZoneStates, id, {}));
    case 140: return std::string(FindCodeText(kBatteryCharging, value(), {}));
    case 144: return std::string(FindCodeText(kPasswordEntry, value(), {}));
    case 146: {
      const int zone = value();
      return zone == 0 ? "Arm Ready" : "Arm Not Ready : Zone " + Dec(zone) + " Not Sealed";
    }
    case 147: return "Alarm Type - this message has been superseded";
    case 162: return std::string(FindCodeText(kArmModes, value(), "Arm System : unknown mode"));
    case 165: return KeypadText(value());
    case 167: return "Request Zone " + Dec(value()) + " Name";
    default: return "Unonwn -0A- command";
  }
}

// The long commands (names, status reports, display texts) are known by
// their identifier; each goes with one command byte.
std::string LongCommandText(const DecodeCall& d, int k, int C, int id) {
  switch (id) {
    case 141:
      if (C != 0xAD) return {};
      return "Zone " + Dec(d.B(k + 2)) + " Name : " + MessageCharsText(d, k + 3, 11);
    case 142: return C == 0xAC ? "Status Report 1" : "";
    case 143: return C == 0xAD ? "Status Report 2" : "";
    case 166:
      if (C < 0xE0) return {};
      return "Display Message : " + MessageCharsText(d, k + 2, (C & 0x1F) - 1);
    default: return "Unknown";
  }
}

}  // namespace

std::string DecodeSecurityCommand(DecodeCall& d, int k, int C) {
  const int id = d.B(k + 1);
  std::string text = "Security: ";
  switch (C) {
    case 0x01: return text.append(FindCodeText(kClearEvents, id, "Unknown -01- command"));
    case 0x79: return text.append(FindCodeText(kRaiseEvents, id, "Unknown -79- command"));
    case 0x09: return text.append(FindCodeText(kEventRequests, id, "Unknown -09- command"));
    case 0x0A: return text + IdentifierValueText(d, k, id);
    case 0x7A:
      if (id != 128) return text + "Unknown command";
      return text.append(FindCodeText(kArmedStates, d.B(k + 2), "System Armed State special"));
    default: return text + LongCommandText(d, k, C, id);
  }
}

}  // namespace zelvo
