#pragma once
// Whole received multipoint messages for the application decoder tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "shell/Session.h"

namespace zelvo {

// A message from unit 0C (no bridges) of application app carrying the given
// command bytes (blanks allowed for legibility), with its checksum.
inline std::string SalMessage(int app, std::string_view commands) {
  std::string m = "050C" + Hex2(app) + "00";
  for (char c : commands)
    if (c != ' ') m += c;
  return m + MakeChecksum(m);
}

class SalDecodeTest : public ::testing::Test {
 protected:
  void SetUp() override { session.Interface.InterfaceOptions1 = kDefaultModeOptions; }
  // The command texts alone (DecodeShowMessage only).
  std::string Commands(int app, std::string_view commands) {
    return DecodeMessage(session.Decoder, SalMessage(app, commands), DecodeShowMessage);
  }
  Session session;
};

struct CommandCase {
  const char* commands;  // command bytes, blanks for reading only
  const char* text;
};

// The decoder of one application: Decode() gives the text of a message
// carrying the commands, with the commands alone by default.
template <int App>
class AppDecodeTest : public SalDecodeTest {
 protected:
  std::string Decode(std::string_view commands, int flags = DecodeShowMessage) {
    return DecodeMessage(session.Decoder, SalMessage(App, commands), flags);
  }
  void ExpectAll(const std::vector<CommandCase>& cases) {
    for (const auto& c : cases) EXPECT_EQ(Decode(c.commands), c.text) << c.commands;
  }
};

}  // namespace zelvo
