#include "decode/Decode.h"

#include <gtest/gtest.h>

#include "shell/Session.h"
#include "support/FakeHost.h"

namespace zelvo {
namespace {

class DecodeFrame : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  std::string Decode(std::string_view m, int flags) { return DecodeMessage(session.Decoder, m, flags); }
  Session session;
};

TEST_F(DecodeFrame, PciReplyTexts) {
  struct Case {
    const char* text;
    const char* result;
  };
  for (auto c : {Case{"g.", "OK"}, Case{"h#", "No Acknowledgement"}, Case{"z$", "Corrupted Transmission"},
                 Case{"k%", "No Zelvo Clock"}, Case{"g?", ""}, Case{"!", "Checksum Error or Buffers Full"},
                 Case{"x!y", "Checksum Error or Buffers Full"}, Case{"A", ""}, Case{"", ""}, Case{"f.", ""},
                 Case{"0538007", ""}})
    EXPECT_EQ(Decode(c.text, 15), c.result) << c.text;
}

TEST_F(DecodeFrame, AckReplyIsRebuiltInBasicModeOrWithPendingLocalReply) {
  session.Interface.InterfaceOptions1 = 0x11;  // SMART without IDMON
  EXPECT_EQ(Decode("g.", 15), "OK");           // no local reply pending
  session.Interface.LastCommandToLocalPCI = true;
  EXPECT_EQ(Decode("g.", 15), "");
  EXPECT_FALSE(session.Interface.LastCommandToLocalPCI);  // used once
  session.Interface.InterfaceOptions1 = 0;                // basic mode
  EXPECT_EQ(Decode("g.", 15), "");
}

TEST_F(DecodeFrame, ShowFlagsOnAMessageWithoutDecoder) {
  // Application 4 has no decoder: one command leaves the comma after the name.
  EXPECT_EQ(Decode("050C0400790539", 15), "");
  EXPECT_EQ(Decode("050C040079057901FF", 15), "Local Network, Source Unit 12, -RESERVED-, ;");
  EXPECT_EQ(Decode("050C0400790539", 1), "Source Unit 12");
  EXPECT_EQ(Decode("050C0400790539", 0), "");
  EXPECT_EQ(Decode("050C0400790539", 5), "Source Unit 12, -RESERVED-");
  EXPECT_EQ(Decode("050C040039", 9), "");  // no command before the checksum: ends in ", "
  session.User.HexNumbers = true;
  EXPECT_EQ(Decode("051C0400790539", 1), "Source Unit 1C");
}

TEST_F(DecodeFrame, LengthErrorKeepsEarlierCommands) {
  EXPECT_EQ(Decode("050C040079057A0539", 13), "Source Unit 12, -RESERVED-, ; LENGTH ERROR");
  EXPECT_EQ(Decode("050C04007A0539", 13), "Source Unit 12, -RESERVED-, LENGTH ERROR");
}

TEST_F(DecodeFrame, PointToPointAndLocalPciCommand) {
  session.Interface.PCIAddress = 1;
  EXPECT_EQ(Decode("@A3300051", 17), "Dest Unit 1, System Message");
  EXPECT_EQ(Decode("860C0C00A3300051", 15), "Local Network, Source Unit 12, System Message");
  EXPECT_EQ(Decode("860C0C00", 1), "");  // nothing after the unit: ends in ", "
  EXPECT_EQ(Decode("860C0C0000", 1), "Source Unit 12, System Message");
  EXPECT_EQ(Decode("\\060500A3300051", 31), "Local Network, Dest Unit 5, System Message");
  session.Interface.LastRoute = "0700";
  EXPECT_EQ(Decode("A3300051", 17), "Dest Unit 7, System Message");
}

TEST_F(DecodeFrame, TransmittedThroughBridges) {
  // Bridges 01 and 02 (route byte 12): the bytes become 05 01 38 02 02 00 79 05 00.
  EXPECT_EQ(Decode("\\03011202047905", 19), "Network 0102, Multipoint");
  EXPECT_EQ(session.Decoder.Work.MessageLength, 9);
  const std::uint8_t expected[] = {0x05, 0x01, 0x04, 0x02, 0x02, 0x00, 0x79, 0x05, 0x00};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(session.Decoder.Work.MessageBytes[i], expected[i]) << i;
  EXPECT_EQ(Decode("\\0601120209A3300051", 19), "Network 0102, Dest Unit 9, System Message");
}

TEST_F(DecodeFrame, BasicModeNeverShowsPrefixes) {
  session.Interface.InterfaceOptions1 = 0;
  // The basic forms carry no bridge count: header and unit, or 00, then the
  // application and the commands.
  EXPECT_EQ(Decode("050C047905790539", 15), "-RESERVED-, ;");
  EXPECT_EQ(Decode("00047905790539", 15), "-RESERVED-, ;");
  // A leading value of 08 or more is a unit's point-to-point reply.
  EXPECT_EQ(Decode("3800790539", 15), "System Message");
}

TEST_F(DecodeFrame, StatusReplyGetsNoNetworkText) {
  EXPECT_EQ(Decode("C00102030405", 15), "Status MMI, Application 1, Block Start = 2");
}

TEST_F(DecodeFrame, StoredMessageRestoresOptions) {
  session.Interface.InterfaceOptions1 = 0x08;
  EXPECT_EQ(DecodeStoredMessage(session.Decoder, "050C040079057901FF", 15),
            "Local Network, Source Unit 12, -RESERVED-, ;");
  EXPECT_EQ(session.Interface.InterfaceOptions1, 0x08);
}

TEST_F(DecodeFrame, HugeOrHostileInputNeverFails) {
  std::string longMessage = "050C04";
  for (int i = 0; i < 500; ++i) longMessage += "01";
  EXPECT_NO_THROW(Decode(longMessage, 15));
  EXPECT_EQ(session.Decoder.Work.MessageLength, 200);
  // Bridge counts that point past the workspace.
  EXPECT_EQ(Decode("05FF38FF0000", 15), "");
  EXPECT_EQ(Decode("\\03FFFF", 31), "");
  EXPECT_EQ(Decode("\\06FFFF", 31), "");
  EXPECT_EQ(Decode(std::string(300, 'F'), 63), "Local Network, Dest Unit 0, System Message");
}

TEST(ApplicationNames, Table) {
  struct Case {
    int app;
    bool hex;
    const char* name;
  };
  for (auto c :
       {Case{56, false, "Lighting"}, Case{48, false, "Lighting (48)"}, Case{48, true, "Lighting (30)"},
        Case{95, false, "Lighting (95)"}, Case{96, false, "-RESERVED-"}, Case{112, false, "Ventilation"},
        Case{114, false, "Pool, Spa, Pond and Fountain"}, Case{116, false, "-RESERVED-"}, Case{136, false, "Heating"},
        Case{25, false, "Temperature Broadcast"}, Case{38, false, "Room Control System"}, Case{172, false, "HVAC"},
        Case{173, false, "Short Info Msg"}, Case{192, false, "Media Transport Ctl"}, Case{201, false, "Adv Scene Mgt"},
        Case{205, false, "Plug and Play Audio"}, Case{255, false, "Network Control"}, Case{4, false, "-RESERVED-"}})
    EXPECT_EQ(ApplicationName(c.app, c.hex), c.name) << c.app;
}

TEST(DecodeOptions, SetDecodeOptionsBits) {
  Session s;
  EXPECT_EQ(SetDecodeOptions(s.Decoder, true, false, true, true), 13);
  EXPECT_EQ(s.Decoder.DecodeOptions, 13);
  EXPECT_EQ(SetDecodeOptions(s.Decoder, false, true, false, false), 2);
}

TEST(InterpretCommand, TextsAndInputBox) {
  Session s;
  EXPECT_EQ(InterpretCommandText(s.Decoder, "   "), std::nullopt);
  EXPECT_EQ(InterpretCommandText(s.Decoder, " zz "), "Message could not be decoded");
  EXPECT_EQ(InterpretCommandText(s.Decoder, " g. "), "Message = OK");

  test::FakeHost host;
  ZelvoInterpretCommand(s.Decoder, host);  // cancelled
  EXPECT_TRUE(host.messages.empty());
  host.inputs.push_back(std::string("h#"));
  ZelvoInterpretCommand(s.Decoder, host);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].Text, "Message = No Acknowledgement");
  EXPECT_EQ(host.messages[0].Icon, MsgIcon::Information);
}

TEST(SharedTexts, HexAndCharBytes) {
  Session s;
  s.Interface.InterfaceOptions1 = kDefaultModeOptions;
  DecodeMessage(s.Decoder, "0541424344", 15);
  DecodeCall d{s.Decoder, 15, {}};
  EXPECT_EQ(HexBytesText(d, 1, 3), "41 42 43");
  EXPECT_EQ(HexBytesText(d, 1, 0), "");
  EXPECT_EQ(CharBytesText(d, 1, 3), "ABC");
  EXPECT_EQ(HexBytesText(d, 198, 2), "00 00");
  EXPECT_EQ(HexBytesText(d, 199, 2), "!! Length Error !!");
  EXPECT_EQ(CharBytesText(d, 199, 2), "!! Length Error !!");
}

}  // namespace
}  // namespace zelvo

namespace zelvo {
namespace {

TEST(DecodeFrameLines, ControlBytesInCharacterFieldsDoNotSplitTheLine) {
  Session s;
  s.Interface.InterfaceOptions1 = kDefaultModeOptions;
  // A media transport name packet whose characters include CR and LF.
  const std::string text = DecodeMessage(s.Decoder, "050CC000850104480D0A00", 15);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find('\n'), std::string::npos);
  EXPECT_NE(text.find("H<13><10>"), std::string::npos) << text;
}

}  // namespace
}  // namespace zelvo
