#include <gtest/gtest.h>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

constexpr const char* kPrefix = "Local Network, Source Unit 12, Media Transport Ctl, ";

// A received media transport message from unit 0C: command bytes as hex.
std::string Received(std::string_view commands) {
  std::string m = "050CC000" + std::string(commands);
  return m + MakeChecksum(m);
}

class MediaTransport : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  std::string Decode(std::string_view commands, int flags = 15) {
    return DecodeMessage(session.Decoder, Received(commands), flags);
  }
  // The command text alone, without the unit and application prefix.
  std::string Command(std::string_view commands) {
    std::string line = Decode(commands);
    const std::string_view p = kPrefix;
    if (line.compare(0, p.size(), p) != 0) return "(no prefix) " + line;
    return line.substr(p.size());
  }
  const MediaNameFragments& Names() const { return session.Decoder.MediaNames; }
  Session session;
};

TEST_F(MediaTransport, TransportCommands) {
  struct Case {
    const char* bytes;
    const char* text;
  };
  for (auto c : {
           Case{"0101", "Stop 1"},
           Case{"7902", "Play 2"},
           Case{"0A0100", "Pause 1"},
           Case{"0A01FF", "Resume 1"},
           Case{"0A0105", "Unknown 0A command"},
           Case{"120103", "Set Category 3 on 1"},
           Case{"1B010102", "Set Selection 258 on 1"},
           Case{"250100000100", "Set Track 256 on 1"},
           Case{"250101000000", "Set Track 16777216 on 1"},
           Case{"2501FFFFFFFF", "Set Track 4294967295 on 1"},
           Case{"2A0100", "Shuffle  Off on 1"},
           Case{"2A01FF", "Shuffle  On on 1"},
           Case{"2A0107", "Shuffle  reserved on 1"},
           Case{"320100", "Repeat  Off on 1"},
           Case{"3201FF", "Repeat  Tracks on 1"},
           Case{"320101", "Repeat  Current on 1"},
           Case{"3A0101", "Next Category on 1"},
           Case{"3A0100", "Prev Category on 1"},
           Case{"420180", "Next Selection on 1"},
           Case{"420100", "Prev Selection on 1"},
           Case{"4A0101", "Next Track on 1"},
           Case{"4A0100", "Prev Track on 1"},
           Case{"520106", "Forward  8x on 1"},
           Case{"520103", "Forward reserved on 1"},
           Case{"520100", "Forward  Normal on 1"},
           Case{"52010E", "Forward reserved on 1"},
           Case{"5A010C", "Rewind  64x on 1"},
           Case{"5A0102", "Rewind  2x on 1"},
           Case{"620101", "Source power 1 On"},
           Case{"620100", "Source power 1 Off"},
           Case{"6D010000002A", "Total Tracks 42 on 1"},
           Case{"7103", "Status Request for 3"},
           Case{"73010205", "Enumerate Tracks, Start at 5 on 1"},
           Case{"73010005", "Enumerate Categories, Start at 5 on 1"},
           Case{"73010105", "Enumerate Selections, Start at 5 on 1"},
           Case{"73010305", "Enumerate Unknown-type, Start at 5 on 1"},
           Case{"7401000109", "Enumeration Size 9, Categories, Start at 1 on 1"},
           Case{"020100", "Unknown"},
           Case{"E0", "Unknown"},
           Case{"E101", "Unknown"},
       })
    EXPECT_EQ(Command(c.bytes), std::string("Transport: ") + c.text) << c.bytes;
}

TEST_F(MediaTransport, SeveralCommandsAndNumberFormat) {
  EXPECT_EQ(Command("5201067101"), "Transport: Forward  8x on 1; Transport: Status Request for 1");
  EXPECT_EQ(Decode("520106", 8), "Transport: Forward  8x on 1");
  session.User.HexNumbers = true;
  EXPECT_EQ(Decode("250A00000100", 8), "Transport: Set Track 100 on 0A");
  EXPECT_EQ(Decode("250AFFFFFFFF", 8), "Transport: Set Track FFFFFFFF on 0A");
}

TEST_F(MediaTransport, SinglePacketNames) {
  EXPECT_EQ(Command("A50200414243"), "Transport: Selection Name on MLG 2 Current, Packet 1 of 1, \"ABC\"");
  EXPECT_EQ(Command("8301105A"), "Transport: Track Name on MLG 1 Next, Packet 1 of 1, \"Z\"");
  EXPECT_EQ(Command("C3047058"), "Transport: Category Name on MLG 4 Enumerate, Packet 1 of 1, \"X\"");
  EXPECT_EQ(Command("C20460"), "Transport: Category Name on MLG 4 Prev-1, Packet 1 of 1, \"\"");
  EXPECT_EQ(Names().Size(), 0u);
}

TEST_F(MediaTransport, TwoPacketNameIsReassembled) {
  EXPECT_EQ(Command("85010448656C"), "Transport: Track Name on MLG 1 Current, Packet 1 of 2, \"Hel\"");
  ASSERT_EQ(Names().Size(), 1u);
  EXPECT_EQ(Names().Entries()[0], "01|00|00|01|Hel");
  EXPECT_EQ(Command("8501056C6F21"),
            "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \"lo!\", complete = \"Hello!\"");
  EXPECT_EQ(Names().Size(), 0u);
}

TEST_F(MediaTransport, ReassemblySequences) {
  // The first packet never seen: its place shows " ... ".
  EXPECT_EQ(Command("8501056C6F21"),
            "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \"lo!\", complete = \" ... lo!\"");

  // A repeated packet: the first copy is used, the others are cleaned up.
  Command("850104414243");
  Command("850104585958");
  EXPECT_EQ(Command("8301052E"), "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \".\", complete = \"ABC.\"");
  EXPECT_EQ(Names().Size(), 0u);
  EXPECT_EQ(Command("8301052E"), "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \".\", complete = \" ... .\"");

  // A gap in a four-packet name; other names (group, position) do not mix.
  Command("A4030C6162");            // selection, MLG 3, packet 1 of 4
  Command("A4030D6364");            // packet 2 of 4
  Command("A404047A7A");            // MLG 4: another name
  Command("A4031C7979");            // MLG 3, position Next: another name
  EXPECT_EQ(Command("A4030F6768"),  // packet 4 of 4
            "Transport: Selection Name on MLG 3 Current, Packet 4 of 4, \"gh\", complete = \"abcd ... gh\"");
  EXPECT_EQ(Names().Size(), 2u);

  // The kind of name is not part of the key: a category packet finishes it.
  EXPECT_EQ(Command("C404057171"),
            "Transport: Category Name on MLG 4 Current, Packet 2 of 2, \"qq\", complete = \"zzqq\"");

  // A single-packet name drops the pending packets of its group and position.
  EXPECT_EQ(Command("8303105A"), "Transport: Track Name on MLG 3 Next, Packet 1 of 1, \"Z\"");
  EXPECT_EQ(Names().Size(), 0u);
}

TEST_F(MediaTransport, DecodingTheLastPacketTwice) {
  // The monitor and the filters both decode each received message.
  const std::string first = Received("850104486565");
  const std::string last = Received("850105446565");
  DecodeMessage(session.Decoder, first, 15);
  DecodeMessage(session.Decoder, first, 15);
  EXPECT_EQ(
      DecodeMessage(session.Decoder, last, 15),
      std::string(kPrefix) + "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \"Dee\", complete = \"HeeDee\"");
  EXPECT_EQ(
      DecodeMessage(session.Decoder, last, 15),
      std::string(kPrefix) + "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \"Dee\", complete = \" ... Dee\"");
  EXPECT_EQ(Names().Size(), 0u);
}

TEST_F(MediaTransport, NeverCompletingNamesDoNotGrowTheListWithoutEnd) {
  Command("83010441");  // MLG 1, packet 1 of 2: the oldest entry
  for (std::size_t i = 0; i < MediaNameFragments::kMaxEntries + 100; ++i) {
    const int group = 2 + static_cast<int>(i % 200);
    const int position = static_cast<int>(i / 200);
    Command("83" + Hex2(group) + Hex2(position << 4 | 4) + "42");
  }
  EXPECT_EQ(Names().Size(), MediaNameFragments::kMaxEntries);
  // The oldest packet was dropped: the name of MLG 1 lacks its first part.
  EXPECT_EQ(Command("83010543"), "Transport: Track Name on MLG 1 Current, Packet 2 of 2, \"C\", complete = \" ... C\"");
}

TEST_F(MediaTransport, FieldsBeyondTheWorkspaceGiveTheEmptyResult) {
  // 97 two-byte commands fill bytes 4 to 197; a name packet without
  // parameters at byte 198 would read its packet byte at 200.
  std::string commands;
  for (int i = 0; i < 97; ++i) commands += "7101";
  EXPECT_NE(Decode(commands + "71"), "");
  EXPECT_EQ(Decode(commands + "80"), "");
  EXPECT_EQ(Decode(commands + "A0"), "");
  // Parameters that reach into the checksum end the walk as usual.
  EXPECT_EQ(Command("8501"), "LENGTH ERROR");
}

}  // namespace
}  // namespace zelvo
