#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kClock = 0xDF;

using ClockDecode = SalDecodeTest;

TEST_F(ClockDecode, Commands) {
  for (auto c : {
           CommandCase{"0D 01 09 05 07 FF", "Clocks: Time: 09:05:07 Daylight Savings Offset: Unknown"},
           CommandCase{"0D 01 17 3B 00 01", "Clocks: Time: 23:59:00 Daylight Savings Offset: 1 hour(s)"},
           CommandCase{"0D 01 FF 0A 64 FE", "Clocks: Time: 255:10:100 Daylight Savings Offset: 254 hour(s)"},
           // Year (16-bit), month, day, weekday: day/month/year.
           CommandCase{"0E 02 07 DB 0C 19 06", "Clocks: Date: Sunday 25/12/2011"},
           CommandCase{"0E 02 07 DB 0C 19 00", "Clocks: Date: Monday 25/12/2011"},
           CommandCase{"0E 02 FF FF 01 01 07", "Clocks: Date: 1/1/65535"},
           CommandCase{"0E 02 00 00 00 00 FF", "Clocks: Date: 0/0/0"},
           CommandCase{"11 03", "Clocks: Request Refresh"},
           // The identifier must go with its command byte.
           CommandCase{"0D 02 09 05 07 FF", "Clocks:  Unknown"},
           CommandCase{"0E 01 07 DB 0C 19 06", "Clocks:  Unknown"},
           CommandCase{"11 01", "Clocks:  Unknown"},
           CommandCase{"09 03", "Clocks:  Unknown"},
           CommandCase{"11 03 11 03", "Clocks: Request Refresh; Clocks: Request Refresh"},
       })
    EXPECT_EQ(Commands(kClock, c.commands), c.text) << c.commands;
}

TEST_F(ClockDecode, FieldsStayDecimalWithHexNumbers) {
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands(kClock, "0D 01 0A 0B 0C 0D"), "Clocks: Time: 10:11:12 Daylight Savings Offset: 13 hour(s)");
  EXPECT_EQ(Commands(kClock, "0E 02 07 DB 0C 19 06"), "Clocks: Date: Sunday 25/12/2011");
}

}  // namespace
}  // namespace zelvo
