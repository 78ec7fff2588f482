#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>

#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kMeasurement = 0xE4;

using MeasurementDecode = SalDecodeTest;

TEST_F(MeasurementDecode, Readings) {
  // Device, channel, unit, exponent (signed), value (signed 16-bit).
  for (auto c : {
           CommandCase{"0E 01 02 00 FF 00 E1", "Measurement: Device 1 Channel 2 = 22.5 C"},
           CommandCase{"0E 0A 0B 24 FE FF 38", "Measurement: Device 10 Channel 11 = -2 Volts"},
           CommandCase{"0E 01 01 1A 00 80 00", "Measurement: Device 1 Channel 1 = -32768 %"},
           CommandCase{"0E 01 01 1A 00 7F FF", "Measurement: Device 1 Channel 1 = 32767 %"},
           CommandCase{"0E 01 01 27 14 00 01", "Measurement: Device 1 Channel 1 = 1e+20 Webers"},
           CommandCase{"0E 01 01 27 0E 00 01", "Measurement: Device 1 Channel 1 = 100000000000000 Webers"},
           CommandCase{"0E 01 01 27 0F 00 01", "Measurement: Device 1 Channel 1 = 1e+15 Webers"},
           CommandCase{"0E 01 01 27 FC 00 01", "Measurement: Device 1 Channel 1 = 0.0001 Webers"},
           CommandCase{"0E 01 01 27 FB 00 01", "Measurement: Device 1 Channel 1 = 1e-05 Webers"},
           CommandCase{"0E 01 01 27 FD 30 39", "Measurement: Device 1 Channel 1 = 12.345 Webers"},
           CommandCase{"0E 01 01 27 80 30 39", "Measurement: Device 1 Channel 1 = 1.2345e-124 Webers"},
           CommandCase{"0E 01 01 27 7F 7F FF", "Measurement: Device 1 Channel 1 = 3.2767e+131 Webers"},
           CommandCase{"0E 01 01 27 7F 00 00", "Measurement: Device 1 Channel 1 = 0 Webers"},
           CommandCase{"0E 01 01 26 FF 00 03", "Measurement: Device 1 Channel 1 = 0.3 Watts"},
           CommandCase{"0E 01 01 13 00 00 03", "Measurement: Device 1 Channel 1 = 3 Metres / second"},
           CommandCase{"0E 01 01 14 00 00 03", "Measurement: Device 1 Channel 1 = 3 Metres / second2"},
           // Unit 4 is a boolean; codes above 39 have no unit text.
           CommandCase{"0E 01 02 04 00 00 00", "Measurement: Device 1 Channel 2 = FALSE"},
           CommandCase{"0E 01 02 04 05 00 01", "Measurement: Device 1 Channel 2 = TRUE"},
           CommandCase{"0E 01 02 04 00 80 00", "Measurement: Device 1 Channel 2 = TRUE"},
           CommandCase{"0E 01 02 28 00 00 07", "Measurement: Device 1 Channel 2 = 7"},
           CommandCase{"0E FF FF FF 00 00 07", "Measurement: Device 255 Channel 255 = 7"},
           CommandCase{"0D 01 02 00 FF 00", "Measurement: Unknown"},
           CommandCase{"0E 01 02 00 FF 00 E1 0E 01 03 00 FF 00 E2",
                       "Measurement: Device 1 Channel 2 = 22.5 C; Measurement: Device 1 Channel 3 = 22.6 C"},
       })
    EXPECT_EQ(Commands(kMeasurement, c.commands), c.text) << c.commands;
}

TEST_F(MeasurementDecode, PrefixesAndDecimalFields) {
  EXPECT_EQ(DecodeMessage(session.Decoder, SalMessage(kMeasurement, "0E 01 02 00 FF 00 E1"), 15),
            "Local Network, Source Unit 12, Measurement, Measurement: Device 1 Channel 2 = 22.5 C");
  session.User.HexNumbers = true;  // only the prefix follows the number format
  EXPECT_EQ(DecodeMessage(session.Decoder, SalMessage(kMeasurement, "0E 1A 1B 00 FF 00 E1"), 15),
            "Local Network, Source Unit 0C, Measurement, Measurement: Device 26 Channel 27 = 22.5 C");
}

// The value reads as C's "%.15g" does, across the whole exponent range.
TEST_F(MeasurementDecode, ValueMatchesGeneralFormatForEveryExponent) {
  for (int value : {1, -1, 7, 225, -12345, 32767, -32768}) {
    for (int e = -128; e <= 127; ++e) {
      const double x = e >= 0 ? value * std::pow(10.0, e) : value / std::pow(10.0, -e);
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.15g", x);
      const std::string command = "0E 01 02 28 " + Hex2(e) + " " + HexOfSize(value & 0xFFFF, 2);
      ASSERT_EQ(Commands(kMeasurement, command), std::string("Measurement: Device 1 Channel 2 = ") + expected)
          << command;
    }
  }
}

TEST_F(MeasurementDecode, DecimalPointIgnoresLocale) {
  struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  EXPECT_EQ(Commands(kMeasurement, "0E 01 02 00 FF 00 E1"), "Measurement: Device 1 Channel 2 = 22.5 C");
  std::locale::global(saved);
}

}  // namespace
}  // namespace zelvo
