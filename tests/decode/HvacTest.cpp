#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <string>
#include <vector>

#include "decode/Decode.h"
#include "decode/Decoders.h"
#include "decode/SalMessage.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

using HvacDecode = AppDecodeTest<0xAC>;

TEST_F(HvacDecode, OnOffRefreshAndFallback) {
  ExpectAll({
      {"79 05", "HVAC: Zone Group 5 On"},
      {"01 FF", "HVAC: Zone Group 255 Off"},
      {"21 07", "HVAC: Refresh, Zone Group 7"},
      {"09 01", "Unknown"},
      {"E0", "Unknown"},
      {"8A 00 00 00 00 00 00 00 00 00 00", "Unknown"},
  });
}

TEST_F(HvacDecode, ZoneReadingsZoneListsAndSensorStatus) {
  ExpectAll({
      {"15 01 81 16 80 00", "HVAC: Zone Temperature, Zone Group 1, Zones 0 (Expansion), 22.50°C, No Error"},
      {"15 01 00 FF 00 03", "HVAC: Zone Temperature, Zone Group 1, No Zones, -1.00°C, Sensor total failure"},
      {"15 01 80 80 00 01",
       "HVAC: Zone Temperature, Zone Group 1, Zones (Expansion), -128.00°C, Sensor in relaxed accuracy band"},
      {"15 01 7F 7F FF 02",
       "HVAC: Zone Temperature, Zone Group 1, Zones 0 1 2 3 4 5 6, 128.00°C, Sensor out of calibration"},
      {"15 01 04 00 00 04", "HVAC: Zone Temperature, Zone Group 1, Zones 2, 0.00°C, Unknown"},
      // Halves round away from zero; a tiny negative reading is not "-0.00".
      {"15 01 01 00 20 00", "HVAC: Zone Temperature, Zone Group 1, Zones 0, 0.13°C, No Error"},
      {"15 01 01 FF E0 00", "HVAC: Zone Temperature, Zone Group 1, Zones 0, -0.13°C, No Error"},
      {"15 01 01 FF FF 00", "HVAC: Zone Temperature, Zone Group 1, Zones 0, 0.00°C, No Error"},
      {"1D 02 7F FF FF 01",
       "Humidity: Zone, Zone Group 2, Zones 0 1 2 3 4 5 6, 100.00%, Sensor in relaxed accuracy band"},
      {"1D 02 01 FF FE 00", "Humidity: Zone, Zone Group 2, Zones 0, 100.00%, No Error"},
      {"1D 02 01 80 00 00", "Humidity: Zone, Zone Group 2, Zones 0, 50.00%, No Error"},
      {"1D 02 01 00 A4 FF", "Humidity: Zone, Zone Group 2, Zones 0, 0.25%, Unknown"},
      {"1D 02 01 00 00 00", "Humidity: Zone, Zone Group 2, Zones 0, 0.00%, No Error"},
  });
}

TEST_F(HvacDecode, PlantStatusTypesAndErrors) {
  ExpectAll({
      {"05 01 01 02 6F 03",
       "HVAC: Zone Plant Status, Zone Group 1, Zones 0, Type: Evaporative, Cooling Plant On, Heating Plant On, Fan "
       "Active, Damper Open, Busy, Error, Fan total failure"},
      // Bits 4 and 7 have no meaning for heating and cooling plant.
      {"05 01 02 FF 90 0C",
       "HVAC: Zone Plant Status, Zone Group 1, Zones 1, Type: Any, Cooling Plant Off, Heating Plant Off, Fan Not "
       "Active, Damper Closed, Error Code 12"},
      {"05 01 01 0A 00 0B",
       "HVAC: Zone Plant Status, Zone Group 1, Zones 0, Type: Hydronic / Evaporative, Cooling Plant Off, Heating "
       "Plant Off, Fan Not Active, Damper Closed, Filter replacement required"},
      {"05 01 01 0B 00 00",
       "HVAC: Zone Plant Status, Zone Group 1, Zones 0, Type: Unknown, Cooling Plant Off, Heating Plant Off, Fan Not "
       "Active, Damper Closed, No Error"},
      {"0D 01 04 03 E1 0B",
       "Humidity: Zone Plant Status, Zone Group 1, Zones 2, Type: Evaporator / Refrigerative, Humidifying Plant On, "
       "Dehumidifying Plant Off, Fan Not Active, Damper Closed, Flags: Busy, Error, Expansion, Filter replacement "
       "required"},
      {"0D 01 01 04 1F 04",
       "Humidity: Zone Plant Status, Zone Group 1, Zones 0, Type: Unknown, Humidifying Plant On, Dehumidifying Plant "
       "On, Fan Active, Damper Open, Flags: None, Humidity Sensor failure"},
      {"0D 01 01 FF 80 0C",
       "Humidity: Zone Plant Status, Zone Group 1, Zones 0, Type: Any, Humidifying Plant Off, Dehumidifying Plant "
       "Off, Fan Not Active, Damper Closed, Flags: Expansion, Error Code 12"},
  });
}

TEST_F(HvacDecode, ZoneModeFlagsDecideLevelAndAux) {
  ExpectAll({
      {"2F 01 01 12 03 16 80 00",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Cool Only, Flags: Setback, Type: Heat pump - reverse cycle, "
       "Level 22.50°C"},
      {"2F 01 01 0B 00 16 80 00",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Heat & Cool, Flags: Raw, Type: None, Level 1680"},
      {"2F 01 01 41 01 14 00 45",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Heat Only, Flags: Aux, Type: Furnace (Gas, Oil, etc), "
       "Level 20.00°C, Aux: Continuous, Speed 5"},
      {"2F 01 01 44 08 14 00 3F",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Vent/Fan Only, Flags: Aux, Type: Hydronic, Level 20.00°C, "
       "Aux: Automatic"},
      {"2F 01 01 7D 09 80 00 7F",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Unknown, Flags: Aux, Guard, Setback, Raw, Type: Hydronic / "
       "Heat pump Cooling, Level 8000, Aux: Continuous, Speed 63"},
      {"2F 01 01 A0 07 00 00 00",
       "HVAC: Set Zone Mode, Zone Group 1, Zones 0, Mode: Off, Flags: Guard, Type: Furnace / Heat Pump Cooling, "
       "Level 0.00°C"},
      {"47 01 02 43 02 FF FF 7F",
       "Humidity: Set Zone Mode, Zone Group 1, Zones 1, Mode: Humidity Control, Flags: Aux, Type: Refrigerative, "
       "Level 100.00%, Aux: Continuous, Speed 63"},
      {"47 01 02 0C 01 FF FF 7F",
       "Humidity: Set Zone Mode, Zone Group 1, Zones 1, Mode: Unknown, Flags: Raw, Type: Evaporator, Level FFFF"},
  });
}

TEST_F(HvacDecode, PlantLevelIsSigned) {
  ExpectAll({
      {"36 01 01 02 01 FE 00",
       "HVAC: Set Plant Level, Zone Group 1, Zones 0, Mode: Cool Only, Flags: None, Type: Furnace (Gas, Oil, etc), "
       "Level: -2"},
      {"36 01 01 42 05 7F 3F",
       "HVAC: Set Plant Level, Zone Group 1, Zones 0, Mode: Cool Only, Flags: Aux, Type: Heat pump - cooling only, "
       "Level: 127, Aux: Automatic"},
      {"4E 03 01 01 01 80 00",
       "Humidity: Set Plant Level, Zone Group 3, Zones 0, Mode: Humidify Only, Flags: None, Type: Evaporator, Level: "
       "-128"},
      {"4E 03 01 42 00 00 41",
       "Humidity: Set Plant Level, Zone Group 3, Zones 0, Mode: Dehumidify Only, Flags: Aux, Type: None, Level: 0, "
       "Aux: Continuous, Speed 1"},
  });
}

TEST_F(HvacDecode, LimitsTakeTheRawFlagFromTheByteAfterTheWord) {
  ExpectAll({
      {"55 01 01 16 80 00", "HVAC: Set Upper Guard Limit, Zone Group 1, Zones 0, Limit 22.50°C"},
      {"5D 01 01 16 80 08", "HVAC: Set Lower Guard Limit, Zone Group 1, Zones 0, Limit 1680"},
      {"65 01 01 FF 00 F7", "HVAC: Set Setback Limit, Zone Group 1, Zones 0, Limit -1.00°C"},
      {"6D 01 01 FF FF 00", "Humidity: Set Upper Guard Limit, Zone Group 1, Zones 0, Limit 100.00%"},
      {"75 01 01 00 0A 0F", "Humidity: Set Lower Guard Limit, Zone Group 1, Zones 0, Limit 000A"},
      {"7D 01 01 80 00 00", "Humidity: Set Setback Limit, Zone Group 1, Zones 0, Limit 50.00%"},
  });
}

TEST_F(HvacDecode, ScheduleEntryFormatsAndStarts) {
  const std::string head = "HVAC: Schedule Entry, Zone Group 1, Zones 0, Entry 2, Format: ";
  const std::string mode = ", Mode: Cool Only, Flags: Setback, ";
  struct Schedule {
    const char* format;
    const char* start;
    const char* formatText;
    const char* startText;
  };
  for (auto s :
       {Schedule{"03", "00 00", "4 (each day)", "Start Sun 0:00"},
        Schedule{"01", "05 9F", "4 (all days)", "Start Sun 23:59"},
        Schedule{"02", "05 A0", "4 (week/weekend)", "Start Mon 0:00"},
        Schedule{"04", "05 A9", "6 (all days)", "Start Mon 0:09"},
        Schedule{"05", "0D F2", "6 (week/weekend)", "Start Tue 11:30"},
        Schedule{"06", "27 5F", "6 (each day)", "Start Sat 23:59"},
        Schedule{"07", "27 60", "No Fixed Periods", "Start INVALID"},
        Schedule{"00", "FF FE", "Unknown", "Start INVALID"}, Schedule{"08", "FF FF", "Unknown", "Null Entry"}}) {
    const std::string command = std::string("89 01 01 02 ") + s.format + " 12 " + s.start + " 14 00";
    EXPECT_EQ(Decode(command), head + s.formatText + mode + s.startText + ", Set Level 20.00°C") << command;
  }
  ExpectAll({
      {"A9 01 01 09 07 0B FF FF 80 00",
       "Humidity: Schedule Entry, Zone Group 1, Zones 0, Entry 9, Format: No Fixed Periods, Mode: Humidity Control, "
       "Flags: Raw, Null Entry, Set Level 8000"},
      {"A9 01 01 00 01 00 05 9F 80 00",
       "Humidity: Schedule Entry, Zone Group 1, Zones 0, Entry 0, Format: 4 (all days), Mode: Off, Flags: None, Start "
       "Sun 23:59, Set Level 50.00%"},
  });
}

TEST_F(HvacDecode, HexadecimalNumbers) {
  session.User.HexNumbers = true;
  ExpectAll({
      {"79 1A", "HVAC: Zone Group 1A On"},
      // The plant level byte reads as sent; speeds and zones stay decimal.
      {"36 1A 01 42 05 FE 7F",
       "HVAC: Set Plant Level, Zone Group 1A, Zones 0, Mode: Cool Only, Flags: Aux, Type: Heat pump - cooling only, "
       "Level: FE, Aux: Continuous, Speed 63"},
      {"05 1A 40 00 00 0C",
       "HVAC: Zone Plant Status, Zone Group 1A, Zones 6, Type: None, Cooling Plant Off, Heating Plant Off, Fan Not "
       "Active, Damper Closed, Error Code 0C"},
      {"89 01 01 0A 03 12 05 9F 14 00",
       "HVAC: Schedule Entry, Zone Group 01, Zones 0, Entry 0A, Format: 4 (each day), Mode: Cool Only, Flags: "
       "Setback, Start Sun 23:59, Set Level 20.00°C"},
  });
}

TEST_F(HvacDecode, WholeMessageWithSeveralCommands) {
  EXPECT_EQ(Decode("79 05 15 01 81 16 80 00", 15),
            "Local Network, Source Unit 12, HVAC, HVAC: Zone Group 5 On; HVAC: Zone Temperature, Zone Group 1, Zones "
            "0 (Expansion), 22.50°C, No Error");
}

// The machine's decimal separator never leaks into the text: readings are
// compared across machines and kept in logs.
class HvacDecodeUnderCommaLocale : public HvacDecode {
 protected:
  void ExpectReadingsUnchanged() {
    ExpectAll({
        {"15 01 01 16 80 00", "HVAC: Zone Temperature, Zone Group 1, Zones 0, 22.50°C, No Error"},
        {"1D 02 01 80 00 00", "Humidity: Zone, Zone Group 2, Zones 0, 50.00%, No Error"},
        {"89 01 01 02 03 12 27 5F 30 00",
         "HVAC: Schedule Entry, Zone Group 1, Zones 0, Entry 2, Format: 4 (each day), Mode: Cool Only, Flags: "
         "Setback, Start Sat 23:59, Set Level 48.00°C"},
    });
  }
};

TEST_F(HvacDecodeUnderCommaLocale, CppLocale) {
  struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
  };
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  ExpectReadingsUnchanged();
  std::locale::global(saved);
}

TEST_F(HvacDecodeUnderCommaLocale, CLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  const char* set = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
    if ((set = std::setlocale(LC_ALL, name)) != nullptr) break;
  if (set == nullptr) GTEST_SKIP() << "no comma-decimal C locale installed";
  ExpectReadingsUnchanged();
  std::setlocale(LC_ALL, saved.c_str());
}

// A command whose fields would lie past the workspace abandons the message
// instead of reading outside it.
TEST_F(HvacDecode, FieldsBeyondTheWorkspaceFault) {
  DecodeCall d{session.Decoder, DecodeShowMessage, {}};
  EXPECT_THROW(DecodeHvacCommand(d, 195, 0x89), DecodeFault);
  EXPECT_THROW(DecodeHvacCommand(d, 199, 0x79), DecodeFault);
  EXPECT_EQ(DecodeHvacCommand(d, 198, 0x79), "HVAC: Zone Group 0 On");
}

}  // namespace
}  // namespace zelvo
