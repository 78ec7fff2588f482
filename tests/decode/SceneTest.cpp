#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "decode/Decode.h"
#include "decode/Decoders.h"
#include "decode/SalMessage.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

using SceneDecode = AppDecodeTest<0xC9>;

TEST_F(SceneDecode, Commands) {
  ExpectAll({
      {"05 03 CE 40 05 1A", "Scn: Fade TG=3, Amount=-50%, Time=50 sec, Options=Off+Modify, Cross-Fade, Inh:2"},
      {"0D 01 02 80 02 00", "Scn: SuperSet TG=1, AS=2, Time=120 sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"14 01 00 05 07", "Scn: Off TG=1, Time=5 sec, Options=Off-NoModAfter, Normal, Inh:7"},
      {"3A 01 02", "Scn: SavChngs TG=1, AS=2"},
      {"45 01 02 03 04 FF", "Scn: AddGrp TG=1, AS=2, UA=3, GA=4, Lvl=255"},
      {"4F 01 02 04 18 80 00 3C",
       "Scn: EditGrp TG=1, AS=2, GA=4, Options=Off+Modify, Cross-Fade, Inh:0, Lvl=128, Time=60 sec"},
      {"54 01 02 03 04", "Scn: DeleteGrp TG=1, AS=2, UA=3, GA=4"},
      {"5A 01 07", "Scn: , Ignore Levels on UA 7"},
      {"5A FE 07", "Scn: , Accept Levels on UA 7"},
      {"79 05", "Scn: DiscoverTrig Code=5"},
      {"7A 05 06", "Scn: DiscoverAS Code=5 TG=6"},
      {"7B 05 06 07", "Scn: DiscoverTags Code=5 TG=6 AS=7"},
      {"01 00", "Scn: Unknown"},
      {"80", "Scn: Unknown"},
  });
}

TEST_F(SceneDecode, FadeTimesAmountsAndOptions) {
  ExpectAll({
      {"14 01 00 00 00", "Scn: Off TG=1, Time=0 sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"14 01 3F FF 08", "Scn: Off TG=1, Time=16383 sec, Options=Off-NoModAfter, Cross-Fade, Inh:0"},
      {"14 01 40 00 10", "Scn: Off TG=1, Time=0 sec, Options=Off+Modify, Normal, Inh:0"},
      {"14 01 7F FF E7", "Scn: Off TG=1, Time=163830 sec, Options=Off-NoModAfter, Normal, Inh:7"},
      {"14 01 BF FF 00", "Scn: Off TG=1, Time=982980 sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"14 01 C0 00 00", "Scn: Off TG=1, Time=(Invalid Fade time) sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"14 01 FF FF 00", "Scn: Off TG=1, Time=(Invalid Fade time) sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"05 00 7F 00 05 00", "Scn: Fade TG=0, Amount=127%, Time=5 sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"05 00 80 00 05 00", "Scn: Fade TG=0, Amount=-128%, Time=5 sec, Options=Off-NoModAfter, Normal, Inh:0"},
      {"05 00 FF 00 05 00", "Scn: Fade TG=0, Amount=-1%, Time=5 sec, Options=Off-NoModAfter, Normal, Inh:0"},
  });
}

TEST_F(SceneDecode, HexadecimalNumbers) {
  session.User.HexNumbers = true;
  // Bus numbers follow the format; the amount, times and inhibit stay decimal.
  ExpectAll({
      {"05 1F CE 80 02 1A", "Scn: Fade TG=1F, Amount=-50%, Time=120 sec, Options=Off+Modify, Cross-Fade, Inh:2"},
      {"45 0A 0B 0C 0D FF", "Scn: AddGrp TG=0A, AS=0B, UA=0C, GA=0D, Lvl=FF"},
      {"5A 00 1E", "Scn: , Accept Levels on UA 1E"},
      {"7B 10 11 12", "Scn: DiscoverTags Code=10 TG=11 AS=12"},
  });
}

TEST_F(SceneDecode, WholeMessageWithSeveralCommands) {
  EXPECT_EQ(Decode("3A 01 02 79 05", 15),
            "Local Network, Source Unit 12, Adv Scene Mgt, Scn: SavChngs TG=1, AS=2; Scn: DiscoverTrig Code=5");
}

TEST_F(SceneDecode, FieldsBeyondTheWorkspaceFault) {
  DecodeCall d{session.Decoder, DecodeShowMessage, {}};
  EXPECT_THROW(DecodeSceneCommand(d, 193, 0x4F), DecodeFault);
  EXPECT_EQ(DecodeSceneCommand(d, 192, 0x4F),
            "Scn: EditGrp TG=0, AS=0, GA=0, Options=Off-NoModAfter, Normal, Inh:0, Lvl=0, Time=0 sec");
}

}  // namespace
}  // namespace zelvo
