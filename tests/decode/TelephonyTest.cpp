#include "decode/SalMessage.h"

namespace zelvo {
namespace {

constexpr int kTelephony = 0xE0;

using TelephonyDecode = SalDecodeTest;

TEST_F(TelephonyDecode, Commands) {
  for (auto c : {
           CommandCase{"09 01", "Tele: Line On Hook"},
           CommandCase{"09 07", "Tele: Internet Connection Request"},
           CommandCase{"09 82", "Tele: Reject Incoming Call"},
           CommandCase{"09 84", "Tele: Clear Diversion"},
           CommandCase{"09 02", "Tele: Unknown 09 cmd"},
           CommandCase{"0A 03 01", "Tele: Dial Out Failure - No Dial Tone"},
           CommandCase{"0A 03 05", "Tele: Dial Out Failure - Number Busy"},
           CommandCase{"0A 03 06", "Tele: Unknown 0A03 cmd"},
           CommandCase{"0A 04 01", "Tele: Dial In Failure - Stopped Ringing"},
           CommandCase{"0A 04 00", "Tele: Unknown 0A04 cmd"},
           CommandCase{"0A 80 00", "Tele: Secondary Outlet Normal"},
           CommandCase{"0A 80 01", "Tele: Secondary Outlet Isolated"},
           CommandCase{"0A 80 02", "Tele: Unknown 0A80 cmd"},
           CommandCase{"0A 81 02", "Tele: Recall Last Incoming Number"},
           CommandCase{"0A 81 00", "Tele: Unknown 0A81 cmd"},
           CommandCase{"0A 05 01", "Tele:"},
           CommandCase{"0A 05 01 09 01", "Tele: ; Tele: Line On Hook"},
           // Longer commands: identifier, a status byte, then the number.
           CommandCase{"A7 02 10 31 32 33 34 35", "Tele: Line Off Hook - Outgoing Voice 12345"},
           CommandCase{"A4 02 01 30 39", "Tele: Line Off Hook - Incoming Voice 09"},
           CommandCase{"A4 02 30 30 39", "Tele: Line Off Hook - Outgoing Other 09"},
           CommandCase{"A3 02 63 41", "Tele: Unknown 02 cmd A"},
           CommandCase{"A5 05 00 31 32 33", "Tele: Ringing 123"},
           CommandCase{"A5 06 00 34 35 36", "Tele: Recall Last Number Response 456"},
           // A diversion has no status byte.
           CommandCase{"A5 83 39 38 37 36", "Tele: Divert to 9876"},
           CommandCase{"A5 07 00 00 00 00", "Tele: Unknown cmd"},
           CommandCase{"02 55 00", "Tele: Unknown cmd"},
       })
    EXPECT_EQ(Commands(kTelephony, c.commands), c.text) << c.commands;
}

}  // namespace
}  // namespace zelvo
