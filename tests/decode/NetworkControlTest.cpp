#include "decode/NetworkControl.h"

#include <gtest/gtest.h>

#include <set>

#include "decode/Decode.h"
#include "shell/Session.h"

namespace zelvo {
namespace {

class NetworkControlDecode : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  std::string Decode(std::string_view m, int flags) { return DecodeMessage(session.Decoder, m, flags); }
  // The commands of an application-255 message from unit 0C.
  std::string Commands(std::string_view commands) { return Decode("050CFF00" + std::string(commands) + "00", 8); }
  Session session;
};

struct Case {
  const char* text;
  const char* result;
};

TEST_F(NetworkControlDecode, Commands) {
  for (auto c : {
           Case{"7AFF00", "Installation MMI Request"},
           Case{"7A3800", "Status MMI Request, Application 56"},
           // FA takes its parameter count from the low bits, like 7A.
           Case{"FAFF00", "Installation MMI Request"},
           Case{"FA3800", "Status MMI Request, Application 56"},
           Case{"73073800", "Level MMI Request, Application 56"},
           Case{"73063800", "Unknown"},
           Case{"0438010500", "Master Learn, Application 56, Initiate Relay, GA 5"},
           Case{"0438090500", "Master Learn, Application 56, -Unknown-, GA 5"},
           Case{"0F120A0B0C0D0700", "Unit Address Assignment, Manufacturer = 18, Serial No = 0A 0B 0C 0D, Address = 7"},
           Case{"13FF0701", "Locate Yourself mode On, by Unit Address 7"},
           Case{"13FF0700", "Locate Yourself mode Off, by Unit Address 7"},
           Case{"16FF0A0B0C0D02", "Locate Yourself mode On, by Serial Number 0A 0B 0C 0D"},
           Case{"16FF0A0B0C0D00", "Locate Yourself mode Off, by Serial Number 0A 0B 0C 0D"},
           Case{"1E000000000000", "Network Management"},
           Case{"0105", "Unknown"},
           Case{"8100", "Unknown"},
           Case{"7AFF007A3800", "Installation MMI Request; Status MMI Request, Application 56"},
       })
    EXPECT_EQ(Commands(c.text), c.result) << c.text;
  EXPECT_EQ(Commands("97" + std::string(2 * 23, '0')), "HCT");  // 23 parameters
}

TEST_F(NetworkControlDecode, WholeMessagesAndHexNumbers) {
  EXPECT_EQ(Decode("050CFF007AFF0000", 15), "Local Network, Source Unit 12, Network Control, Installation MMI Request");
  session.User.HexNumbers = true;
  EXPECT_EQ(Commands("7A3800"), "Status MMI Request, Application 38");
  EXPECT_EQ(Commands("0F120A0B0C0D1C00"),
            "Unit Address Assignment, Manufacturer = 12, Serial No = 0A 0B 0C 0D, Address = 1C");
}

TEST_F(NetworkControlDecode, StatusReplies) {
  // Never a network or unit prefix, whatever the flags.
  for (auto c : {
           Case{"D8382000000000", "Status MMI, Application 56, Block Start = 32"},
           Case{"C0380000", "Status MMI, Application 56, Block Start = 0"},
           Case{"DF380800", "Status MMI, Application 56, Block Start = 8"},
           Case{"E7473820000000", "Extended Format MMI, Non-Local, Level MMI, Application 56, Block Start = 32"},
           Case{"E0003810", "Extended Format MMI, Local, Status MMI, Application 56, Block Start = 16"},
           Case{"FF053810", "Extended Format MMI, Local, Unknown MMI Type, Application 56, Block Start = 16"},
       }) {
    EXPECT_EQ(Decode(c.text, 15), c.result) << c.text;
    EXPECT_EQ(Decode(c.text, 8), c.result) << c.text;
  }
  session.User.HexNumbers = true;
  EXPECT_EQ(Decode("D8382000", 15), "Status MMI, Application 38, Block Start = 20");
}

TEST(StatusCoding, Texts) {
  for (auto [coding, text] : std::initializer_list<std::pair<int, const char*>>{
           {0x00, "Local, Status MMI"},
           {0x40, "Non-Local, Status MMI"},
           {0x07, "Local, Level MMI"},
           {0x47, "Non-Local, Level MMI"},
           {0xA7, "Local, Level MMI"},  // bits 5 and 7 are not the kind
           {0x01, "Local, Unknown MMI Type"},
           {0x1F, "Local, Unknown MMI Type"},
       })
    EXPECT_EQ(StatusCodingText(coding), text) << coding;
}

TEST(IdentifyAttributes, ListOrderAndCodes) {
  const auto names = IdentifyAttributeNames();
  ASSERT_EQ(names.size(), 77u);
  EXPECT_EQ(names[0], "Manufacturer");
  EXPECT_EQ(names[1], "Type");  // the CAL tab's default
  EXPECT_EQ(names[75], "Current Sensor Channel Currents");
  EXPECT_EQ(names[76], "Current Sensor Channel Voltages & Power Factors");
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 77u);

  // The codes in list order: 00-18, 1A-1E, 20-22, 30-3D, 40, 50-53, 60-73,
  // FC-FE, then 23 and 24.
  std::vector<int> expected;
  auto range = [&](int from, int to) {
    for (int c = from; c <= to; ++c) expected.push_back(c);
  };
  range(0x00, 0x18);
  range(0x1A, 0x1E);
  range(0x20, 0x22);
  range(0x30, 0x3D);
  range(0x40, 0x40);
  range(0x50, 0x53);
  range(0x60, 0x73);
  range(0xFC, 0xFE);
  range(0x23, 0x24);
  ASSERT_EQ(expected.size(), names.size());
  for (std::size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(IdentifyAttributeCode(names[i]), Hex2(expected[i])) << names[i];

  EXPECT_EQ(IdentifyAttributeCode("MAI"), "FE");
  EXPECT_EQ(IdentifyAttributeCode("Get LCDM vocabulary end address (Low)"), "36");
  EXPECT_EQ(IdentifyAttributeCode("type"), "00");  // case matters
  EXPECT_EQ(IdentifyAttributeCode("Type "), "00");
  EXPECT_EQ(IdentifyAttributeCode(""), "00");
}

}  // namespace
}  // namespace zelvo
