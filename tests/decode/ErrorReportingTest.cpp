#include "decode/ErrorReporting.h"

#include <locale>

#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kErrorReporting = 0xCE;
constexpr int kTemperature = 0x19;

using ErrorReportingDecode = SalDecodeTest;

TEST_F(ErrorReportingDecode, Commands) {
  for (auto c : {
           // Output:Relay, severity 2, most severe, unit 5, data 0102.
           CommandCase{"15 D4 0A 05 01 02",
                       "Error Report: Output:Relay, Device 5, Minor Failure, Flags: MostSevere, Data = 0102"},
           CommandCase{"05 D4 0A 05 01 02",
                       "Error Report: Output:Relay, Device 5, Minor Failure, Flags: MostSevere, Data = 0102"},
           // Bits 6-7 of the flags byte belong to the category: D440 is none.
           CommandCase{
               "15 D4 4A 05 01 02",
               "Error Report: Unknown System Category, Device 5, Minor Failure, Flags: MostSevere, Data = 0102"},
           CommandCase{"15 B0 00 00 FF FF", "Error Report: BMS:Diagnostic, Device 0, All OK, Flags: None, Data = FFFF"},
           CommandCase{"15 52 C1 07 00 0A",
                       "Error Report: Unknown System Category, Device 7, OK, Flags: None, Data = 000A"},
           CommandCase{"15 DA 03 01 00 00",
                       "Error Report: Output:DALI/DSI/Ballast, Device 1, General Failure, Flags: None, Data = 0000"},
           CommandCase{
               "15 DB 24 01 00 00",
               "Error Report: Output:Modular Dimmer, Device 1, Extreme Failure, Flags: MostRecent, Data = 0000"},
           CommandCase{
               "25 50 36 FF AB CD",
               "Error Acknowledge: Input:Key Unit, Device 255, Severity 6, Flags: MostRecent, Ack, Data = ABCD"},
           CommandCase{
               "25 51 1D 02 00 01",
               "Error Acknowledge: Input:Telecommand, Device 2, Severity 5, Flags: Ack, MostSevere, Data = 0001"},
           // The clear names no severity.
           CommandCase{"35 DE 3F 01 12 00",
                       "Error Clear_Most_Severe: Output:Device Controller, Device 1, Flags: MostRecent, Ack, "
                       "MostSevere, Data = 1200"},
           CommandCase{"0D 01 02 03 04 05", "Error: Unknown"},
           CommandCase{"45 D4 0A 05 01 02", "Error: Unknown"},
           CommandCase{"15 D4 0A 05 01 02 35 D7 00 09 00 00",
                       "Error Report: Output:Relay, Device 5, Minor Failure, Flags: MostSevere, Data = 0102; "
                       "Error Clear_Most_Severe: Output:Sine Dimmer, Device 9, Flags: None, Data = 0000"},
       })
    EXPECT_EQ(Commands(kErrorReporting, c.commands), c.text) << c.commands;
}

TEST_F(ErrorReportingDecode, PrefixesAndNumberFormat) {
  EXPECT_EQ(DecodeMessage(session.Decoder, SalMessage(kErrorReporting, "15 D4 0A 1A 01 02"), 15),
            "Local Network, Source Unit 12, Error Reporting, Error Report: Output:Relay, Device 26, Minor Failure, "
            "Flags: MostSevere, Data = 0102");
  session.User.HexNumbers = true;  // the device follows the number format, the data is always hex
  EXPECT_EQ(Commands(kErrorReporting, "15 D4 0A 1A 01 02"),
            "Error Report: Output:Relay, Device 1A, Minor Failure, Flags: MostSevere, Data = 0102");
}

TEST_F(ErrorReportingDecode, ShortMessageEndsInLengthError) {
  EXPECT_EQ(Commands(kErrorReporting, "15 D4 0A 05"), "LENGTH ERROR");
}

TEST(ErrorCategories, NamesCodesAndTexts) {
  const auto names = ErrorCategoryNames();
  ASSERT_EQ(names.size(), 13u);
  EXPECT_EQ(names.front(), "Input:Key Unit");
  EXPECT_EQ(names[7], "Output:Relay");
  EXPECT_EQ(names.back(), "Output:Device Controller");
  for (const auto& name : names) EXPECT_EQ(ErrorCategoryText(ErrorCategoryCode(name)), name);
  EXPECT_EQ(ErrorCategoryCode("Output:Relay"), 0xD400);
  EXPECT_EQ(ErrorCategoryCode("BMS:Diagnostic"), 0xB000);
  for (const char* other : {"output:relay", "Output:Relay ", "", "Unknown System Category"})
    EXPECT_EQ(ErrorCategoryCode(other), 0) << other;
  for (int code : {0, 0xD440, 0xD4, 0xFFFF, -1, 0x1D400})
    EXPECT_EQ(ErrorCategoryText(code), "Unknown System Category") << code;
}

using TemperatureDecode = SalDecodeTest;

TEST_F(TemperatureDecode, QuarterDegreesWithOneDecimal) {
  // The byte counts quarter degrees; halves round up; at least four wide.
  for (auto c : {
           CommandCase{"02 01 14", "Temp Brdcst: Grp 1 is at  5.0 C"},
           CommandCase{"02 01 00", "Temp Brdcst: Grp 1 is at  0.0 C"},
           CommandCase{"02 01 01", "Temp Brdcst: Grp 1 is at  0.3 C"},
           CommandCase{"02 01 27", "Temp Brdcst: Grp 1 is at  9.8 C"},
           CommandCase{"02 01 28", "Temp Brdcst: Grp 1 is at 10.0 C"},
           CommandCase{"02 01 59", "Temp Brdcst: Grp 1 is at 22.3 C"},
           CommandCase{"02 01 5A", "Temp Brdcst: Grp 1 is at 22.5 C"},
           CommandCase{"02 01 5B", "Temp Brdcst: Grp 1 is at 22.8 C"},
           CommandCase{"02 FF FF", "Temp Brdcst: Grp 255 is at 63.8 C"},
           CommandCase{"01 05", "Unknown"},
           CommandCase{"0A 05 00", "Unknown"},
           CommandCase{"02 01 14 02 02 15", "Temp Brdcst: Grp 1 is at  5.0 C; Temp Brdcst: Grp 2 is at  5.3 C"},
       })
    EXPECT_EQ(Commands(kTemperature, c.commands), c.text) << c.commands;
}

TEST_F(TemperatureDecode, GroupFollowsNumberFormatAndPointIgnoresLocale) {
  struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  EXPECT_EQ(Commands(kTemperature, "02 1A 5A"), "Temp Brdcst: Grp 26 is at 22.5 C");
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands(kTemperature, "02 1A 5A"), "Temp Brdcst: Grp 1A is at 22.5 C");
  std::locale::global(saved);
}

}  // namespace
}  // namespace zelvo
