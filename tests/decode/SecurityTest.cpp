#include "decode/MessageChars.h"
#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kSecurity = 0xD0;

using SecurityDecode = SalDecodeTest;

TEST_F(SecurityDecode, IdentifierCommands) {
  for (auto c : {
           CommandCase{"01 80", "Security: System Disarmed"},
           CommandCase{"01 8B", "Security: Battery OK"},
           CommandCase{"01 A3", "Security: Drop Tamper"},
           CommandCase{"01 A4", "Security: Unknown -01- command"},
           CommandCase{"01 92", "Security: Unknown -01- command"},
           CommandCase{"79 83", "Security: Alarm On"},
           CommandCase{"79 92", "Security: Arm OK"},
           CommandCase{"79 A4", "Security: Raise Alarm"},
           CommandCase{"79 80", "Security: Unknown -79- command"},
           CommandCase{"09 81", "Security: Exit Delay Started"},
           CommandCase{"09 A1", "Security: Status Report 2 Request"},
           CommandCase{"09 00", "Security: Unknown -09- command"},
           CommandCase{"7A 80 00", "Security: System Disarmed"},
           CommandCase{"7A 80 02", "Security: System Partially Armed"},
           CommandCase{"7A 80 03", "Security: System Armed State special"},
           CommandCase{"7A 81 01", "Security: Unknown command"},
       })
    EXPECT_EQ(Commands(kSecurity, c.commands), c.text) << c.commands;
}

TEST_F(SecurityDecode, IdentifierAndValueCommands) {
  for (auto c : {
           CommandCase{"0A 86 05", "Security: Zone 5 Unsealed"},
           CommandCase{"0A 8A FF", "Security: Zone 255 Isolated"},
           CommandCase{"0A 8C 00", "Security: Battery Charging Stopped"},
           CommandCase{"0A 8C FF", "Security: Battery Charging Started"},
           CommandCase{"0A 90 01", "Security: Password Entry Succeeded"},
           CommandCase{"0A 90 04", "Security: Password Entry Re-enabled"},
           CommandCase{"0A 92 00", "Security: Arm Ready"},
           CommandCase{"0A 92 0C", "Security: Arm Not Ready : Zone 12 Not Sealed"},
           CommandCase{"0A 93 00", "Security: Alarm Type - this message has been superseded"},
           CommandCase{"0A A2 02", "Security: Arm System : Night (Home) Mode"},
           CommandCase{"0A A2 FF", "Security: Arm System : Highest Level"},
           CommandCase{"0A A2 05", "Security: Arm System : unknown mode"},
           CommandCase{"0A A5 41", "Security: Emulate Keypad : A"},
           CommandCase{"0A A5 7E", "Security: Emulate Keypad : ~"},
           CommandCase{"0A A5 0D", "Security: Emulate Keypad : Enter"},
           CommandCase{"0A A5 80", "Security: Emulate Keypad : Shift"},
           CommandCase{"0A A5 87", "Security: Emulate Keypad : Vacation"},
           CommandCase{"0A A5 88", "Security: Emulate Keypad : #136"},
           CommandCase{"0A A5 05", "Security: Emulate Keypad : #5"},
           CommandCase{"0A A5 1F", "Security: Emulate Keypad : #31"},
           CommandCase{"0A A7 03", "Security: Request Zone 3 Name"},
           CommandCase{"0A 80 00", "Security: Unonwn -0A- command"},
           // Values without a text leave the bare prefix (its blank trimmed
           // at the end of the line, kept before the next command).
           CommandCase{"0A 8C 07", "Security:"},
           CommandCase{"0A 90 05 01 80", "Security: ; Security: System Disarmed"},
           CommandCase{"0A A5 20 01 80", "Security: Emulate Keypad :  ; Security: System Disarmed"},
       })
    EXPECT_EQ(Commands(kSecurity, c.commands), c.text) << c.commands;
}

TEST_F(SecurityDecode, LongCommands) {
  for (auto c : {
           CommandCase{"AD 8D 03 42 61 63 6B 20 47 61 72 64 65 6E", "Security: Zone 3 Name : Back Garden"},
           CommandCase{"AC 8E 00 00 00 00 00 00 00 00 00 00 00", "Security: Status Report 1"},
           CommandCase{"AD 8F 00 00 00 00 00 00 00 00 00 00 00 00", "Security: Status Report 2"},
           CommandCase{"E6 A6 48 65 6C 6C 6F", "Security: Display Message : Hello"},
           CommandCase{"E2 A6 58", "Security: Display Message : X"},
           // Identifiers of long commands with another command byte: nothing.
           CommandCase{"AC 8D 00 00 00 00 00 00 00 00 00 00 00", "Security:"},
           CommandCase{"02 8E 00", "Security:"},
           CommandCase{"C2 A6 00", "Security:"},
           CommandCase{"02 50 00", "Security: Unknown"},
       })
    EXPECT_EQ(Commands(kSecurity, c.commands), c.text) << c.commands;
}

TEST_F(SecurityDecode, ZoneNumbersStayDecimal) {
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands(kSecurity, "0A 86 0F"), "Security: Zone 15 Unsealed");
  EXPECT_EQ(Commands(kSecurity, "AD 8D 1A 4B 69 74 63 68 65 6E 00 00 00 00"), "Security: Zone 26 Name : Kitchen");
}

TEST_F(SecurityDecode, MessageCharsLeaveOutWhatLiesPastTheMessage) {
  // 05 0C D0 00 0A 86 05 + checksum: eight bytes.
  ASSERT_EQ(Commands(kSecurity, "0A 86 05"), "Security: Zone 5 Unsealed");
  ASSERT_EQ(session.Decoder.Work.MessageLength, 8);
  const auto& bytes = session.Decoder.Work.MessageBytes;
  DecodeCall d{session.Decoder, 0, {}};
  // From B5 for 11: B5, B6 and the checksum B7, nothing after.
  EXPECT_EQ(MessageCharsText(d, 5, 11), std::string({char(0x86), char(0x05), char(bytes[7])}));
  EXPECT_EQ(MessageCharsText(d, 8, 3), "");
  EXPECT_EQ(MessageCharsText(d, 190, 100), "");
  EXPECT_EQ(MessageCharsText(d, 0, 0), "");
  EXPECT_EQ(MessageCharsText(d, 0, -4), "");
  EXPECT_EQ(MessageCharsText(d, 2, 1), std::string(1, char(0xD0)));
}

}  // namespace
}  // namespace zelvo
