#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <system_error>

#include "decode/Decoders.h"

namespace zelvo {

namespace {

constexpr int kBooleanUnit = 4;

// Unit codes 0 to 39; the boolean has no unit text.
constexpr const char* kUnitTexts[] = {
    " C",
    " Amps",
    " Degrees",
    " Coulombs",
    "",
    " Farads",
    " Henrys",
    " Hertz",
    " Joules",
    " Katal",
    " kg / m3",
    " kg",
    " Litres",
    " Litres / hour",
    " Litres / minute",
    " Litres / second",
    " Lux",
    " Metres",
    " Metres / minute",
    " Metres / second",
    " Metres / second2",
    " Moles",
    " Newton Metres",
    " Newtons",
    " Ohms",
    " Pascal",
    " %",
    " Decibels",
    " PPM",
    " RPM",
    " Seconds",
    " Minutes",
    " Hours",
    " Sieverts",
    " Steradian",
    " Tesla",
    " Volts",
    " Watt Hours",
    " Watts",
    " Webers",
};
static_assert(std::size(kUnitTexts) == 40);

// v x 10^e. Powers of ten are exact up to 10^22, so dividing for a negative
// exponent gives the correctly rounded value where multiplying by an inexact
// 10^-e would not.
double ScaledValue(int v, int e) {
  const double power = std::pow(10.0, std::abs(e));
  return e >= 0 ? v * power : v / power;
}

// The general floating format with 15 significant digits, trailing zeros
// removed, the exponent form for very large or small values ("1e+20"),
// and "." as the decimal point whatever the locale.
std::string GeneralText(double x) {
  char buffer[64];
  const auto result = std::to_chars(std::begin(buffer), std::end(buffer), x, std::chars_format::general, 15);
  if (result.ec != std::errc{}) return {};
  return std::string(buffer, result.ptr);
}

// Device, channel, unit code, exponent (signed byte), value (signed 16-bit,
// big-endian).
std::string ReadingText(const DecodeCall& d, int k) {
  std::string text = "Device " + std::to_string(d.B(k + 1)) + " Channel " + std::to_string(d.B(k + 2));
  const int unit = d.B(k + 3);
  const int high = d.B(k + 5);
  const int low = d.B(k + 6);
  if (unit == kBooleanUnit) return text + ((high != 0 || low != 0) ? " = TRUE" : " = FALSE");
  const int value = static_cast<std::int16_t>(static_cast<std::uint16_t>(high * 256 + low));
  const int exponent = static_cast<std::int8_t>(d.B(k + 4));
  text += " = " + GeneralText(ScaledValue(value, exponent));
  if (unit < static_cast<int>(std::size(kUnitTexts))) text += kUnitTexts[unit];
  return text;
}

}  // namespace

std::string DecodeMeasurementCommand(DecodeCall& d, int k, int C) {
  const std::string text = "Measurement: ";
  switch (C) {
    case 0x0E: return text + ReadingText(d, k);
    default: return text + "Unknown";
  }
}

}  // namespace zelvo
