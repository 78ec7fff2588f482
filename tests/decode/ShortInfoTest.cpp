#include <gtest/gtest.h>

#include <vector>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

constexpr const char* kPrefix = "Local Network, Source Unit 12, Short Info Msg, ";
constexpr int kLive = 15 + DecodeLive;

// A received short information message from unit 0C (or through the given
// first bridge): command bytes as hex.
std::string Received(std::string_view commands, std::string_view header = "050CAD00") {
  std::string m = std::string(header) + std::string(commands);
  return m + MakeChecksum(m);
}

class ShortInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    session.Interface.InterfaceOptions1 = kDefaultModeOptions;
    session.Decoder.TimeStampText = [this] { return "12/03/2024 10:00:0" + std::to_string(clock); };
  }
  std::string Decode(std::string_view commands, int flags = 15) {
    return DecodeMessage(session.Decoder, Received(commands), flags);
  }
  // The command text alone, without the unit and application prefix.
  std::string Command(std::string_view commands, int flags = 15) {
    std::string line = Decode(commands, flags);
    const std::string_view p = kPrefix;
    if (line.compare(0, p.size(), p) != 0) return "(no prefix) " + line;
    return line.substr(p.size());
  }
  std::string Live(std::string_view commands) { return Command(commands, kLive); }
  // Every reassembled line the cache hands out now.
  std::vector<std::string> Reassembled(int flags = 0) {
    std::vector<std::string> lines;
    for (std::string l; !(l = TakeReconstructedMessage(session.Decoder, flags)).empty();) lines.push_back(l);
    return lines;
  }
  using Lines = std::vector<std::string>;
  TShortInfoCache& Cache() { return session.Decoder.ShortInfoCache; }
  Session session;
  int clock = 0;
};

TEST(ShortInfoServices, Table) {
  EXPECT_EQ(ShortInfoServiceCount(), 23);
  EXPECT_EQ(ShortInfoServiceName(0), "Generic Text");
  EXPECT_EQ(ShortInfoServiceName(15), "Joke of the Day");
  EXPECT_EQ(ShortInfoServiceName(21), "Electrical Brownout Warning");
  EXPECT_EQ(ShortInfoServiceName(22), "Irrigation");
  EXPECT_EQ(ShortInfoServiceName(23), "Unknown");
  EXPECT_EQ(ShortInfoServiceName(-1), "Unknown");
  struct Case {
    int cls;
    bool num, sym;
    int symbols;
  };
  for (auto c : {Case{0, false, false, 0}, Case{1, true, true, 10}, Case{2, true, false, 0}, Case{3, false, false, 0},
                 Case{4, true, true, 2}, Case{5, true, true, 2}, Case{22, false, false, 0}, Case{23, false, false, 0},
                 Case{-1, false, false, 0}}) {
    EXPECT_EQ(ShortInfoHasNumber(c.cls), c.num) << c.cls;
    EXPECT_EQ(ShortInfoHasSymbol(c.cls), c.sym) << c.cls;
    EXPECT_EQ(ShortInfoSymbolCount(c.cls), c.symbols) << c.cls;
  }
  EXPECT_EQ(ShortInfoSymbolName(1, 0), "Sunny");
  EXPECT_EQ(ShortInfoSymbolName(1, 9), "Other Danger");
  EXPECT_EQ(ShortInfoSymbolName(1, 10), "Unknown");
  EXPECT_EQ(ShortInfoSymbolName(1, -1), "Unknown");
  EXPECT_EQ(ShortInfoSymbolName(4, 1), "Some unread");
  EXPECT_EQ(ShortInfoSymbolName(5, 0), "No messages");
  EXPECT_EQ(ShortInfoSymbolName(0, 0), "Unknown");
  EXPECT_EQ(ShortInfoSymbolName(23, 0), "Unknown");
}

TEST_F(ShortInfo, PacketLines) {
  struct Case {
    const char* bytes;
    const char* text;
  };
  for (auto c : {
           Case{"0101", "Weather Forecast, Refresh"},
           Case{"01C5", "Voicemail Count, Refresh"},
           Case{"8900C100EB0146696E65",
                "Weather Forecast, Packet 1 of 1, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text"},
           Case{"860040000C4142", "Generic Text, Packet 1 of 1, Num = 1.2 (UNEXPECTED), 2 bytes of text"},
           Case{"850081034142",
                "Weather Forecast, Packet 1 of 1, MISSING NUMBER FIELD, Symbol = 3 - Rain, 2 bytes of text"},
           Case{"83000141",
                "Weather Forecast, Packet 1 of 1, MISSING NUMBER FIELD, MISSING SYMBOL FIELD, 1 bytes of text"},
           Case{"8710C1FFFB0C4142",
                "Weather Forecast, Packet 1 of 3, Num = -0.5, Symbol = 12 - Unknown, 2 bytes of text"},
           Case{"8400428000", "Surf Report, Packet 1 of 1, Num = -3276.8, 0 bytes of text"},
           Case{"8400800241", "Generic Text, Packet 1 of 1, Symbol = 2 - Unknown (UNEXPECTED), 1 bytes of text"},
           Case{"83000241", "Surf Report, Packet 1 of 1, MISSING NUMBER FIELD, 1 bytes of text"},
           // Continuation packets carry no number or symbol fields.
           Case{"850901414243", "Weather Forecast, Packet 2 of 2, 3 bytes of text"},
           Case{"853F01414243", "Weather Forecast, Packet 8 of 8, 3 bytes of text"},
           Case{"820000", "Generic Text, Packet 1 of 1, 0 bytes of text"},
           Case{"83001741", "Unknown, Packet 1 of 1, 1 bytes of text"},
           Case{"020000", "Unknown"},
           Case{"A0", "Unknown"},
       })
    EXPECT_EQ(Command(c.bytes), std::string("Info: ") + c.text) << c.bytes;
  session.User.HexNumbers = true;
  EXPECT_EQ(Decode("8400810C41", 8),
            "Info: Weather Forecast, Packet 1 of 1, MISSING NUMBER FIELD, Symbol = 0C - Unknown, 1 bytes of text");
}

TEST_F(ShortInfo, WeatherForecastIsReassembledAtOnceFromLiveTraffic) {
  const char* packet = "8900C100EB0146696E65";
  EXPECT_EQ(Live(packet), "Info: Weather Forecast, Packet 1 of 1, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text");
  EXPECT_EQ(Reassembled(),
            Lines{"Info: Weather Forecast, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text = \"Fine\""});
  // The display flags put the prefixes in front; the unit is two hex digits.
  Live(packet);
  EXPECT_EQ(Reassembled(7), Lines{"Local Network, Source Unit 0C, Short Info Msg, Info: Weather Forecast, Num = 23.5, "
                                  "Symbol = 1 - Cloudy, 4 bytes of text = \"Fine\""});
  // Through a bridge the route comes first in the key.
  DecodeMessage(session.Decoder, Received(packet, "0501AD010C"), kLive);
  EXPECT_EQ(Reassembled(3), Lines{"Network 01, Source Unit 0C, Info: Weather Forecast, Num = 23.5, "
                                  "Symbol = 1 - Cloudy, 4 bytes of text = \"Fine\""});
}

TEST_F(ShortInfo, OnlyLiveTrafficFeedsTheCache) {
  Command("8900C100EB0146696E65", 15);
  Command("8900C100EB0146696E65", 8);
  DecodeStoredMessage(session.Decoder, Received("8900C100EB0146696E65"), 15);
  EXPECT_EQ(Cache().Size(), 0u);
  // Class 23 and above is never cached.
  Live("83001741");
  EXPECT_EQ(Cache().Size(), 0u);
  EXPECT_EQ(Reassembled(), Lines{});
}

TEST_F(ShortInfo, PacketSequences) {
  // Three packets in order: one line with the whole text.
  Live("8410006162");  // packet 1 of 3, generic text "ab"
  Live("83110063");    // packet 2: "c"
  EXPECT_EQ(Reassembled(), Lines{});
  EXPECT_EQ(Live("8412006465"), "Info: Generic Text, Packet 3 of 3, 2 bytes of text");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 5 bytes of text = \"abcde\""});

  // A repeated packet is reported and changes nothing; a new first packet
  // while the message is pending is dropped quietly.
  Live("8408006162");  // packet 1 of 2
  EXPECT_EQ(Live("8408007879"), "Info: Generic Text, Packet 1 of 2, 2 bytes of text");
  EXPECT_EQ(Live("83090063"), "Info: Generic Text, Packet 2 of 2, 1 bytes of text");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 3 bytes of text = \"abc\""});
  Live("8410006162");
  Live("83110063");
  EXPECT_EQ(Live("83110063"), "Info: Generic Text, Packet 2 of 3, 1 bytes of text, DUPLICATE OR OUT-OF-ORDER");
  Live("83120064");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 4 bytes of text = \"abcd\""});

  // Packets 1 and 3 of 3: a gap mark between the texts.
  Live("8410006162");
  Live("83120064");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, INCOMPLETE, 3 bytes of text = \"ab\" ... \"d\""});

  // Only the last packet: finished at once, its start missing.
  Live("83090063");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, INCOMPLETE, 1 bytes of text = ... \"c\""});

  // Sources and classes keep their own messages; finished ones come out in
  // the order their first packets arrived.
  Live("8408006162");
  DecodeMessage(session.Decoder, Received("8408007879", "050DAD00"), kLive);
  Live("8408076162");  // class 7, same source
  DecodeMessage(session.Decoder, Received("83090079", "050DAD00"), kLive);
  Live("83090063");
  EXPECT_EQ(Reassembled(1), (Lines{"Source Unit 0C, Info: Generic Text, 3 bytes of text = \"abc\"",
                                   "Source Unit 0D, Info: Generic Text, 3 bytes of text = \"xyy\""}));
  EXPECT_EQ(Cache().Size(), 1u);  // class 7 still waits
}

TEST_F(ShortInfo, TimeoutAfterTenTicks) {
  clock = 1;
  Live("8410006162");  // packet 1 of 3
  clock = 2;
  for (int i = 0; i < 9; ++i) {
    Cache().TimerTick();
    EXPECT_EQ(Reassembled(), Lines{}) << i;
  }
  Live("83110063");  // later packets do not extend the wait
  Cache().TimerTick();
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, INCOMPLETE, TIMEOUT (message started 12/03/2024 10:00:01), "
                                 "3 bytes of text = \"abc\" ..."});
  // A finished entry is not counted down: it waits until it is taken.
  Live("820000");
  Cache().TimerTick();
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 0 bytes of text = \"\""});
  // Without a time stamp source the start time is empty.
  session.Decoder.TimeStampText = nullptr;
  Live("83080041");
  for (int i = 0; i < 10; ++i) Cache().TimerTick();
  EXPECT_EQ(Reassembled(),
            Lines{"Info: Generic Text, INCOMPLETE, TIMEOUT (message started ), 1 bytes of text = \"A\" ..."});
}

TEST_F(ShortInfo, Utf8TextSurvivesPacketBoundaries) {
  // "café" split inside the two bytes of the é.
  Live("860800636166C3");
  Live("840900A921");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 6 bytes of text = \"caf\xC3\xA9!\""});

  // A text cut inside a character (timeout, or a gap) never shows a broken
  // sequence: what is incomplete becomes one U+FFFD.
  Live("8610006162E282");  // packet 1 of 3, "ab" and two bytes of the euro sign
  for (int i = 0; i < 10; ++i) Cache().TimerTick();
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, INCOMPLETE, TIMEOUT (message started 12/03/2024 10:00:00), "
                                 "4 bytes of text = \"ab\xEF\xBF\xBD\" ..."});
  Live("8610006162E282");
  Live("851200AC6364");  // packet 3 of 3, starting with the euro sign's last byte
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, INCOMPLETE, 7 bytes of text = "
                                 "\"ab\xEF\xBF\xBD\" ... \"\xEF\xBF\xBD"
                                 "cd\""});
  Live("830000FF");
  EXPECT_EQ(Reassembled(), Lines{"Info: Generic Text, 1 bytes of text = \"\xEF\xBF\xBD\""});
}

TEST(ShortInfoText, ValidUtf8) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (auto c : {
           Case{"plain", "plain"}, Case{"\xE2\x82\xAC", "\xE2\x82\xAC"},                  // euro sign
           Case{"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},                                  // four bytes
           Case{"a\xF0\x9F\x98", "a\xEF\xBF\xBD"},                                        // cut short
           Case{"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},                                  // overlong
           Case{"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},                  // surrogate
           Case{"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // past U+10FFFF
           Case{"\xE2\x82"
                "A",
                "\xEF\xBF\xBD"
                "A"},                                     // broken, then ASCII
           Case{"\x80\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // stray continuation bytes
       })
    EXPECT_EQ(ValidUtf8(c.in), c.out) << c.in;
}

TEST(ShortInfoText, LineOfASentMessage) {
  EXPECT_EQ(ShortInfoMessageText(0, "", "", true, "\"Fine\"", 4, 1, 235, 1, "", -1, false),
            "Info: Weather Forecast, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text = \"Fine\"");
  EXPECT_EQ(ShortInfoMessageText(7, "", "", true, "\"x\"", 1, -1, -99999, 0, "", -1, false),
            "Local Network, Multipoint, Short Info Msg, Info: Generic Text, 1 bytes of text = \"x\"");
  EXPECT_EQ(ShortInfoMessageText(0, "", "", true, "\"x\"", 1, 10, -99998, 1, "", -1, true),
            "Info: Weather Forecast, Num = -9999.8, Symbol = 0A - Unknown, 1 bytes of text = \"x\"");
}

TEST_F(ShortInfo, CacheStaysBounded) {
  // Never-completing messages from many sources and classes.
  for (int unit = 0; unit < 256; ++unit)
    for (int cls = 0; cls < 2; ++cls)
      DecodeMessage(session.Decoder, Received("8308" + Hex2(cls) + "41", "05" + Hex2(unit) + "AD00"), kLive);
  EXPECT_EQ(Cache().Size(), TShortInfoCache::kMaxEntries);
  // The oldest (unit 0, class 0) was dropped: its last packet starts anew.
  DecodeMessage(session.Decoder, Received("83090042", "0500AD00"), kLive);
  const auto lines = Reassembled(1);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "Source Unit 00, Info: Generic Text, INCOMPLETE, 1 bytes of text = ... \"B\"");
}

TEST_F(ShortInfo, MalformedPacketsAreSafe) {
  // Number and symbol fields that the packet is too short to hold: the line
  // shows the count as computed, the cache stores no text.
  EXPECT_EQ(Live("8200C1820000"),
            "Info: Weather Forecast, Packet 1 of 1, Num = -3225.6, Symbol = 0 - Sunny, -3 bytes of text; "
            "Info: Generic Text, Packet 1 of 1, 0 bytes of text");
  EXPECT_EQ(Reassembled(), (Lines{"Info: Weather Forecast, Num = -3225.6, Symbol = 0 - Sunny, 0 bytes of text = \"\"",
                                  "Info: Generic Text, 0 bytes of text = \"\""}));

  // A packet without parameters at byte 198 would read its service byte at
  // byte 200, outside the workspace: the whole message gives the empty text.
  std::string commands;
  for (int i = 0; i < 97; ++i) commands += "0101";
  EXPECT_EQ(Decode(commands + "80", kLive), "");
  EXPECT_NE(Decode(commands + "01", kLive), "");  // LENGTH ERROR, still decoded

  // The cache itself refuses text beyond the workspace.
  std::array<std::uint8_t, 200> work{};
  EXPECT_EQ(Cache().AddToCache(work, {}, "0C", 0, 5, 197, -99999, -1, 0, 0), ", !! Length Error !!");
  EXPECT_EQ(Cache().AddToCache(work, {}, "0C", 0, 3, 197, -99999, -1, 0, 0), "");
  EXPECT_EQ(Cache().Size(), 1u);
}

}  // namespace
}  // namespace zelvo
