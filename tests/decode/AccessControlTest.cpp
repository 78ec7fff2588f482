#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kAccessControl = 0xD5;

using AccessControlDecode = SalDecodeTest;

TEST_F(AccessControlDecode, Commands) {
  for (auto c : {
           // Lock commands: 255 addresses all networks or all access points.
           CommandCase{"02 FF 03", "Access: Close Point, All Networks, Access Point 3 (INVALID)"},
           CommandCase{"02 01 FF", "Access: Close Point, Network 1, All Access Points"},
           CommandCase{"0A FF FF", "Access: Lock Point, All Networks, All Access Points"},
           CommandCase{"0A 02 03", "Access: Lock Point, Network 2, Access Point 3"},
           // Events: 255 is invalid there.
           CommandCase{"12 01 02", "Access: Point Left Open, Network 1, Access Point 2"},
           CommandCase{"1A FF FF", "Access: Point Forced Open, Network 255 (INVALID), Access Point 255 (INVALID)"},
           CommandCase{"22 00 FF", "Access: Point Closed, Network 0, Access Point 255 (INVALID)"},
           CommandCase{"32 07 08", "Access: Request to Exit, Network 7, Access Point 8"},
           // Requests: direction, then the identifier bytes to the end of the command.
           CommandCase{"A5 01 02 01 12 34",
                       "Access: Valid Request, Network 1, Access Point 2, Direction: In, ID = 1234"},
           CommandCase{"A3 01 02 02", "Access: Valid Request, Network 1, Access Point 2, Direction: Out"},
           CommandCase{"C4 01 02 03 AB", "Access: Invalid Request, Network 1, Access Point 2, ID = AB"},
           CommandCase{"DF FF 02 01 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A "
                       "1B",
                       "Access: Invalid Request, Network 255 (INVALID), Access Point 2, Direction: In, "
                       "ID = 000102030405060708090A0B0C0D0E0F101112131415161718191A1B"},
           CommandCase{"BF 01 02 02 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14 15 16 17 18 19 1A "
                       "1B",
                       "Access: Valid Request, Network 1, Access Point 2, Direction: Out, "
                       "ID = 000102030405060708090A0B0C0D0E0F101112131415161718191A1B"},
           CommandCase{"82 01 02", "Access: Unknown"},
           CommandCase{"E3 01 02 01", "Access: Unknown"},
           CommandCase{"03 01 02 01", "Access: Unknown"},
       })
    EXPECT_EQ(Commands(kAccessControl, c.commands), c.text) << c.commands;
}

TEST_F(AccessControlDecode, NetworkAndPointFollowNumberFormat) {
  EXPECT_EQ(Commands(kAccessControl, "12 0A 1B"), "Access: Point Left Open, Network 10, Access Point 27");
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands(kAccessControl, "12 0A 1B"), "Access: Point Left Open, Network 0A, Access Point 1B");
  EXPECT_EQ(Commands(kAccessControl, "02 FF 1B"), "Access: Close Point, All Networks, Access Point 1B (INVALID)");
}

}  // namespace
}  // namespace zelvo
