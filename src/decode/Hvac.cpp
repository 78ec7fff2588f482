// HVAC application (AC hex). The bus carries two parallel command families
// with the same byte layouts: heating and cooling ("HVAC: "), and humidity
// ("Humidity: "). They differ only in their code tables and in what the level
// word measures (a temperature or a relative humidity).

#include <array>
#include <string>
#include <string_view>

#include "decode/Decoders.h"
#include "link/Codec.h"

namespace zelvo {

namespace {

using Text = std::string_view;

// Mode (low three bits of the mode byte) -> text.
constexpr std::array<Text, 8> kHvacModes{"Off, ",           "Heat Only, ", "Cool Only, ", "Heat & Cool, ",
                                         "Vent/Fan Only, ", "Unknown, ",   "Unknown, ",   "Unknown, "};
constexpr std::array<Text, 8> kHumidityModes{"Off, ",     "Humidify Only, ", "Dehumidify Only, ", "Humidity Control, ",
                                             "Unknown, ", "Unknown, ",       "Unknown, ",         "Unknown, "};

// Plant type -> text; 255 is "Any" in both families, other codes "Unknown".
constexpr std::array<Text, 11> kHvacPlantTypes{"None",
                                               "Furnace (Gas, Oil, etc)",
                                               "Evaporative",
                                               "Heat pump - reverse cycle",
                                               "Heat pump - heating only",
                                               "Heat pump - cooling only",
                                               "Furnace / Evap Cooling",
                                               "Furnace / Heat Pump Cooling",
                                               "Hydronic",
                                               "Hydronic / Heat pump Cooling",
                                               "Hydronic / Evaporative"};
constexpr std::array<Text, 11> kHumidityPlantTypes{
    "None",    "Evaporator", "Refrigerative", "Evaporator / Refrigerative", "Unknown", "Unknown", "Unknown", "Unknown",
    "Unknown", "Unknown",    "Unknown"};

// Plant error -> text; other codes are shown by number.
constexpr std::array<Text, 12> kHvacErrors{"No Error",
                                           "Heater total failure",
                                           "Cooler total failure",
                                           "Fan total failure",
                                           "Temperature Sensor failure",
                                           "Heater temporary problem",
                                           "Cooler temporary problem",
                                           "Fan temporary problem",
                                           "Heater service required",
                                           "Cooler service required",
                                           "Fan service required",
                                           "Filter replacement required"};
constexpr std::array<Text, 12> kHumidityErrors{"No Error",
                                               "Humidifier total failure",
                                               "Dehumidifier total failure",
                                               "Fan total failure",
                                               "Humidity Sensor failure",
                                               "Humidifier temporary problem",
                                               "Dehumidifier temporary problem",
                                               "Fan temporary problem",
                                               "Humidifier service required",
                                               "Dehumidifier service required",
                                               "Fan service required",
                                               "Filter replacement required"};

// Sensor status -> text (both families).
constexpr std::array<Text, 4> kSensorStatus{"No Error", "Sensor in relaxed accuracy band", "Sensor out of calibration",
                                            "Sensor total failure"};

// Schedule format -> text; code 0 and codes above 7 are "Unknown".
constexpr std::array<Text, 8> kScheduleFormats{"Unknown",      "4 (all days)",    "4 (week/weekend)",
                                               "4 (each day)", "6 (all days)",    "6 (week/weekend)",
                                               "6 (each day)", "No Fixed Periods"};

// Schedule day (minutes since Sunday 0:00, div 1440) -> text.
constexpr std::array<Text, 7> kDays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

constexpr int kMinutesPerDay = 1440;
constexpr int kNullScheduleEntry = 0xFFFF;

// Mode byte flags.
constexpr int kModeRaw = 0x08;
constexpr int kModeAux = 0x40;

template <std::size_t N>
std::string Lookup(const std::array<Text, N>& table, int code, Text fallback) {
  if (code < 0 || static_cast<std::size_t>(code) >= N) return std::string(fallback);
  return std::string(table[static_cast<std::size_t>(code)]);
}

// A value given in hundredths, as "-12.34". The text never depends on the
// user's locale: readings are compared across machines and in logs.
std::string TwoDecimals(long long hundredths) {
  const bool negative = hundredths < 0;
  const long long magnitude = negative ? -hundredths : hundredths;
  const long long cents = magnitude % 100;
  return (negative ? "-" : "") + std::to_string(magnitude / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
}

// Halves round away from zero, so a value and its negation read alike; a
// value that rounds to zero reads "0.00", never "-0.00".
long long RoundedQuotient(long long numerator, long long denominator) {
  const long long magnitude = numerator < 0 ? -numerator : numerator;
  const long long q = (2 * magnitude + denominator) / (2 * denominator);
  return numerator < 0 ? -q : q;
}

// Degrees Celsius in 1/256 steps, two's complement.
std::string TemperatureText(int w) {
  const int signedWord = w >= 0x8000 ? w - 0x10000 : w;
  return TwoDecimals(RoundedQuotient(signedWord * 100LL, 256)) + "°C";
}

// Relative humidity, full scale FFFF = 100 %.
std::string HumidityText(int w) { return TwoDecimals(RoundedQuotient(w * 10000LL, 65535)) + "%"; }

// The level word as sent, for a level given in raw units.
std::string RawWordText(int w) { return HexOfSize(w, 2); }

std::string ZoneListText(int z) {
  if (z == 0) return "No Zones";
  std::string text = "Zones";
  for (int bit = 0; bit <= 6; ++bit)
    if (z & (1 << bit)) text += " " + std::to_string(bit);
  if (z & 0x80) text += " (Expansion)";
  return text;
}

// A plant level in two's complement; with hexadecimal numbers the byte reads
// as sent.
std::string SignedLevelText(const DecodeCall& d, int b) {
  if (d.HexNumbers()) return d.NS(b);
  return d.NS(b >= 0x80 ? b - 0x100 : b);
}

// The auxiliary (fan) byte: bit 6 runs the fan continuously at the speed in
// the low six bits.
std::string AuxiliaryLevelText(int b) {
  if (b & 0x40) return "Continuous, Speed " + std::to_string(b & 0x3F);
  return "Automatic";
}

std::string HvacPlantStatusText(int s) {
  std::string text = "Cooling Plant " + std::string(s & 0x01 ? "On" : "Off");
  text += ", Heating Plant " + std::string(s & 0x02 ? "On" : "Off");
  text += ", Fan " + std::string(s & 0x04 ? "Active" : "Not Active");
  text += ", Damper " + std::string(s & 0x08 ? "Open" : "Closed");
  if (s & 0x20) text += ", Busy";
  if (s & 0x40) text += ", Error";
  return text + ", ";
}

std::string HumidityPlantStatusText(int s) {
  std::string text = "Humidifying Plant " + std::string(s & 0x01 ? "On" : "Off");
  text += ", Dehumidifying Plant " + std::string(s & 0x02 ? "On" : "Off");
  text += ", Fan " + std::string(s & 0x04 ? "Active" : "Not Active");
  text += ", Damper " + std::string(s & 0x08 ? "Open" : "Closed");
  text += ", Flags: ";
  if (s & 0x20) text += "Busy, ";
  if (s & 0x40) text += "Error, ";
  if (s & 0x80) text += "Expansion, ";
  if (s < 0x20) text += "None, ";
  return text;
}

// Minutes since Sunday 0:00; FFFF marks an unused entry.
std::string ScheduleStartText(int w) {
  if (w == kNullScheduleEntry) return "Null Entry";
  const int day = w / kMinutesPerDay;
  if (day >= static_cast<int>(kDays.size())) return "Start INVALID";
  const int minutes = w % kMinutesPerDay;
  const int minute = minutes % 60;
  return "Start " + std::string(kDays[static_cast<std::size_t>(day)]) + " " + std::to_string(minutes / 60) +
         (minute < 10 ? ":0" : ":") + std::to_string(minute);
}

// What tells the two families apart.
struct Family {
  const std::array<Text, 8>& Modes;
  const std::array<Text, 11>& PlantTypes;
  const std::array<Text, 12>& Errors;
  std::string (*PlantStatus)(int);
  std::string (*Reading)(int);  // the level word when it is not raw
};

constexpr Family kHvac{kHvacModes, kHvacPlantTypes, kHvacErrors, HvacPlantStatusText, TemperatureText};
constexpr Family kHumidity{kHumidityModes, kHumidityPlantTypes, kHumidityErrors, HumidityPlantStatusText, HumidityText};

std::string PlantTypeText(const Family& f, int t) {
  if (t == 0xFF) return "Any";
  return Lookup(f.PlantTypes, t, "Unknown");
}

std::string PlantErrorText(const DecodeCall& d, const Family& f, int e) {
  if (static_cast<std::size_t>(e) < f.Errors.size()) return std::string(f.Errors[static_cast<std::size_t>(e)]);
  return "Error Code " + d.NS(e);
}

// "Mode: <mode>, Flags: <flags>, " (each piece already ends in ", ").
std::string ModeText(const Family& f, int m) {
  std::string text = "Mode: " + std::string(f.Modes[static_cast<std::size_t>(m & 7)]) + "Flags: ";
  if (m & 0x40) text += "Aux, ";
  if (m & 0x20) text += "Guard, ";
  if (m & 0x10) text += "Setback, ";
  if (m & 0x08) text += "Raw, ";
  if ((m & 0x78) == 0) text += "None, ";
  return text;
}

// The Raw flag of the mode byte says whether the level word is in raw units
// or is a reading.
std::string LevelWordText(const Family& f, int w, int mode) { return mode & kModeRaw ? RawWordText(w) : f.Reading(w); }

// One command's fields, read relative to its command byte.
struct Fields {
  const DecodeCall& d;
  int k;
  int B(int i) const { return d.B(k + i); }
  int W(int i) const { return B(i) * 256 + B(i + 1); }
  std::string Group() const { return d.NS(B(1)); }
  // The title, the zone group and the zone list that open most commands.
  std::string Head(Text title) const { return std::string(title) + Group() + ", " + ZoneListText(B(2)) + ", "; }
};

std::string ZonePlantStatus(const Fields& c, const Family& f, Text title) {
  return c.Head(title) + "Type: " + PlantTypeText(f, c.B(3)) + ", " + f.PlantStatus(c.B(4)) +
         PlantErrorText(c.d, f, c.B(5));
}

std::string ZoneReading(const Fields& c, const Family& f, Text title) {
  return c.Head(title) + f.Reading(c.W(3)) + ", " + Lookup(kSensorStatus, c.B(5), "Unknown");
}

std::string ZoneMode(const Fields& c, const Family& f, Text title) {
  const int mode = c.B(3);
  std::string text = c.Head(title) + ModeText(f, mode) + "Type: " + PlantTypeText(f, c.B(4)) + ", " + "Level " +
                     LevelWordText(f, c.W(5), mode);
  if (mode & kModeAux) text += ", Aux: " + AuxiliaryLevelText(c.B(7));
  return text;
}

std::string PlantLevel(const Fields& c, const Family& f, Text title) {
  const int mode = c.B(3);
  std::string text = c.Head(title) + ModeText(f, mode) + "Type: " + PlantTypeText(f, c.B(4)) + ", " +
                     "Level: " + SignedLevelText(c.d, c.B(5));
  if (mode & kModeAux) text += ", Aux: " + AuxiliaryLevelText(c.B(6));
  return text;
}

// In the limit commands the mode byte follows the limit word.
std::string Limit(const Fields& c, const Family& f, Text title) {
  return c.Head(title) + "Limit " + LevelWordText(f, c.W(3), c.B(5));
}

std::string ScheduleEntry(const Fields& c, const Family& f, Text title) {
  const int mode = c.B(5);
  return c.Head(title) + "Entry " + c.d.NS(c.B(3)) + ", " + "Format: " + Lookup(kScheduleFormats, c.B(4), "Unknown") +
         ", " + ModeText(f, mode) + ScheduleStartText(c.W(6)) + ", " + "Set Level " + LevelWordText(f, c.W(8), mode);
}

}  // namespace

std::string DecodeHvacCommand(DecodeCall& d, int k, int C) {
  const Fields c{d, k};
  switch (C) {
    case 0x01: return "HVAC: Zone Group " + c.Group() + " Off";
    case 0x79: return "HVAC: Zone Group " + c.Group() + " On";
    case 0x21: return "HVAC: Refresh, Zone Group " + c.Group();
    case 0x05: return ZonePlantStatus(c, kHvac, "HVAC: Zone Plant Status, Zone Group ");
    case 0x0D: return ZonePlantStatus(c, kHumidity, "Humidity: Zone Plant Status, Zone Group ");
    case 0x15: return ZoneReading(c, kHvac, "HVAC: Zone Temperature, Zone Group ");
    case 0x1D: return ZoneReading(c, kHumidity, "Humidity: Zone, Zone Group ");
    case 0x2F: return ZoneMode(c, kHvac, "HVAC: Set Zone Mode, Zone Group ");
    case 0x47: return ZoneMode(c, kHumidity, "Humidity: Set Zone Mode, Zone Group ");
    case 0x36: return PlantLevel(c, kHvac, "HVAC: Set Plant Level, Zone Group ");
    case 0x4E: return PlantLevel(c, kHumidity, "Humidity: Set Plant Level, Zone Group ");
    case 0x55: return Limit(c, kHvac, "HVAC: Set Upper Guard Limit, Zone Group ");
    case 0x5D: return Limit(c, kHvac, "HVAC: Set Lower Guard Limit, Zone Group ");
    case 0x65: return Limit(c, kHvac, "HVAC: Set Setback Limit, Zone Group ");
    case 0x6D: return Limit(c, kHumidity, "Humidity: Set Upper Guard Limit, Zone Group ");
    case 0x75: return Limit(c, kHumidity, "Humidity: Set Lower Guard Limit, Zone Group ");
    case 0x7D: return Limit(c, kHumidity, "Humidity: Set Setback Limit, Zone Group ");
    case 0x89: return ScheduleEntry(c, kHvac, "HVAC: Schedule Entry, Zone Group ");
    case 0xA9: return ScheduleEntry(c, kHumidity, "Humidity: Schedule Entry, Zone Group ");
    default: return "Unknown";
  }
}

}  // namespace zelvo
