#include "link/Codec.h"

#include <gtest/gtest.h>

#include "support/FakeHost.h"

namespace zelvo {
namespace {

TEST(CodecHex, DigitsAndStrings) {
  EXPECT_TRUE(IsHexDigit('0'));
  EXPECT_TRUE(IsHexDigit('f'));
  EXPECT_TRUE(IsHexDigit('F'));
  EXPECT_FALSE(IsHexDigit('g'));
  EXPECT_FALSE(IsHexDigit('\xC1'));  // a byte above 127 is never a digit
  EXPECT_TRUE(IsHexString("0a1B"));
  EXPECT_FALSE(IsHexString(""));
  EXPECT_FALSE(IsHexString("ABC"));
  EXPECT_FALSE(IsHexString("AG"));
}

TEST(CodecHex, HexToIntSkipsNonDigits) {
  struct Case {
    const char* text;
    int value;
  };
  for (auto c : {Case{"0x1F", 31}, Case{"", 0}, Case{"zz", 0}, Case{"ff", 255}, Case{"7FFFFFF", 0x7FFFFFF},
                 Case{"00000000FFFFFFF", 0xFFFFFFF}, Case{"1 2", 0x12}})
    EXPECT_EQ(HexToInt(c.text), c.value) << c.text;
}

TEST(CodecHex, HexToIntBeyondSevenDigitsRaisesOverflow) {
  EXPECT_THROW(HexToInt("10000000"), HexOverflowError);
  EXPECT_THROW(HexToInt("FFFFFFFFFFFFFFFFFFFF"), HexOverflowError);
}

TEST(CodecHex, HexByteAndHexOfSize) {
  EXPECT_EQ(HexByte("7"), "07");
  EXPECT_EQ(HexByte("12C"), "FF");
  EXPECT_EQ(HexByte("100"), "FF");
  EXPECT_EQ(HexByte(""), "00");
  EXPECT_EQ(HexOfSize(300, 1), "12C");
  EXPECT_EQ(HexOfSize(-1, 1), "FF");
  EXPECT_EQ(HexOfSize(-1, 2), "FFFF");
  EXPECT_EQ(HexOfSize(10, 2), "000A");
  EXPECT_EQ(HexOfSize(0, 1), "00");
}

TEST(CodecChecksum, Examples) {
  EXPECT_EQ(MakeChecksum("\\0538007901"), "49");
  EXPECT_EQ(MakeChecksum(""), "00");
  EXPECT_EQ(MakeChecksum("\\05G3800"), "C3");
  EXPECT_EQ(MakeChecksum("FF01"), "00");
  EXPECT_EQ(MakeChecksum("0538007901A"), "49");  // a final unpaired digit is ignored
}

TEST(CodecNumbers, StringToNumber) {
  struct Case {
    const char* text;
    bool hex;
    int value;
  };
  for (auto c : {Case{"10", false, 10},
                 Case{"10", true, 16},
                 Case{"0A", false, -1},
                 Case{"0A", true, 10},
                 Case{"", false, -1},
                 Case{"", true, -1},
                 Case{"$1F", false, 31},
                 Case{"0x1F", false, 31},
                 Case{"x1f", false, 31},
                 Case{"$1F", true, -1},
                 Case{"0x1F", true, -1},
                 Case{" 12", false, 12},
                 Case{"12 ", false, -1},
                 Case{" 1F", true, -1},
                 Case{"-5", false, -5},
                 Case{"+7", false, 7},
                 Case{"FFFFFFFF", true, -1},
                 Case{"7FFFFFFF", true, 0x7FFFFFFF},
                 Case{"100000000", true, -1},
                 Case{"2147483647", false, 2147483647},
                 Case{"2147483648", false, -1},
                 Case{"-2147483648", false, -2147483647 - 1},
                 Case{"99999999999999999999", false, -1},
                 Case{"-", false, -1},
                 Case{"$", false, -1}})
    EXPECT_EQ(StringToNumber(c.text, c.hex), c.value) << c.text << " hex=" << c.hex;
}

TEST(CodecNumbers, NumberStrings) {
  EXPECT_EQ(NumberString(255, true), "FF");
  EXPECT_EQ(NumberString(255, false), "255");
  EXPECT_EQ(NumberString(10, true), "0A");
  EXPECT_EQ(NumberStringSized(258, 2, true), "0102");
  EXPECT_EQ(NumberStringSized(258, 2, false), "258");
}

TEST(CodecText, AsciiConversions) {
  EXPECT_EQ(ASCIIToHex("AB"), "4142");
  EXPECT_EQ(ASCIIToHex(""), "");
  EXPECT_EQ(ASCIIToHex("\xFF"), "FF");
  EXPECT_EQ(HexToASCII("414200430A"), "ABC");
  EXPECT_EQ(HexToASCII("4G4142"), "AB");  // the step "4G" is skipped whole
  EXPECT_EQ(HexToASCII("414"), "A");
}

TEST(CodecMatch, Patterns) {
  struct Case {
    const char* pattern;
    const char* text;
    bool match;
  };
  for (auto c : {Case{"8902*", "890", false}, Case{"8902*", "8902", true}, Case{"8902*", "8902FF", true},
                 Case{"??", "AB", true}, Case{"86??00", "86FF00", true}, Case{"86??00", "86FF001", false},
                 Case{"8902*", "8903", false}, Case{"ab", "AB", false}, Case{"*", "", true}})
    EXPECT_EQ(StringsMatch(c.pattern, c.text), c.match) << c.pattern << " / " << c.text;
}

TEST(CodecTokens, QuotesSeparatorsAndLimit) {
  TTokenList list;
  SplitTokens(" a, \"b c\" ,,d", " ,", list);
  ASSERT_EQ(list.TokenCount, 3);
  EXPECT_EQ(list.Token[0], "a");
  EXPECT_EQ(list.Token[1], "b c");
  EXPECT_EQ(list.Token[2], "d");
  EXPECT_EQ(list.Token[3], "");

  SplitTokens("", ",", list);
  EXPECT_EQ(list.TokenCount, 0);
  EXPECT_EQ(list.Token[0], "");

  SplitTokens("a;\" \";b", ";", list);  // a token of blanks is stored empty and counts
  ASSERT_EQ(list.TokenCount, 3);
  EXPECT_EQ(list.Token[1], "");

  std::string many;
  for (int i = 0; i < 150; ++i) many += std::to_string(i) + ",";
  SplitTokens(many, ",", list);
  EXPECT_EQ(list.TokenCount, 100);
  EXPECT_EQ(list.Token[99], "99");
}

struct HeaderCase {
  bool remote;
  const char* path;
  int value;
  const char* sal;
  const char* cal;
};

TEST(CodecHeaders, LocalAndRemote) {
  for (auto c : {HeaderCase{false, "", 56, "\\053800", "\\063800"}, HeaderCase{false, "", 255, "\\05FF00", "\\06FF00"},
                 HeaderCase{true, "0102", 56, "\\0301120238", "\\0601120238"},
                 HeaderCase{true, "01", 255, "\\030109FF", "\\060109FF"},
                 HeaderCase{true, "010203040506", 1,
                            "\\03013602030405060"
                            "1",
                            "\\06013602030405060"
                            "1"}}) {
    test::FakeHost host;
    RemoteNetworkSelection remote{c.remote, c.path};
    EXPECT_EQ(SALHeader(remote, host, c.value), c.sal);
    EXPECT_EQ(CALHeaderForUnit(remote, host, c.value), c.cal);
    EXPECT_TRUE(host.messages.empty());
  }
}

TEST(CodecHeaders, InvalidPathGivesEmptyHeaderAndOneErrorPerCall) {
  for (const char* path : {"010", "01G2", "", "01020304050607"}) {
    test::FakeHost host;
    RemoteNetworkSelection remote{true, path};
    EXPECT_EQ(SALHeader(remote, host, 56), "") << path;
    EXPECT_EQ(CALHeaderForUnit(remote, host, 1), "") << path;
    ASSERT_EQ(host.messages.size(), 2u) << path;
    EXPECT_EQ(host.messages[0].Text, "Invalid Remote Network Path.");
    EXPECT_EQ(host.messages[0].Icon, MsgIcon::Error);
    EXPECT_EQ(host.messages[0].Buttons, MsgButtons::Ok);
  }
}

TEST(CodecHeaders, CalHeaderAndPathLength) {
  test::FakeHost host;
  RemoteNetworkSelection local;
  EXPECT_EQ(CALHeader(local, host, false, 0, 1024), "@");
  EXPECT_EQ(CALHeader(local, host, false, 0, 1023), "~~~");
  EXPECT_EQ(CALHeader(local, host, true, 12, 1024), "\\060C00");
  EXPECT_EQ(GetNetworkPathLength(local), 0);
  EXPECT_EQ(GetNetworkPathLength({true, "0102"}), 4);
  EXPECT_EQ(GetNetworkPathLength({true, "010"}), 0);
}

}  // namespace
}  // namespace zelvo
