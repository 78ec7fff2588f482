#include "sim/SimulatedPci.h"

#include <gtest/gtest.h>

#include <set>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "shell/Session.h"
#include "sim/SimFixture.h"

namespace zelvo::sim::test {
namespace {

// The packed six-bit names, read back as the tool reads them.
std::string UnpackName(std::string_view hex12) {
  std::uint64_t n = 0;
  for (std::size_t i = 0; i < 12; i += 2) n = (n << 8) | static_cast<unsigned>(HexToInt(hex12.substr(i, 2)));
  std::string name;
  for (int shift = 42; shift >= 0; shift -= 6) {
    int code = static_cast<int>((n >> shift) & 63);
    if (code != 30) name += static_cast<char>(code + 33);
  }
  return name;
}

std::string Decode(std::string_view m, int options, int flags) {
  Session s;
  s.Interface.InterfaceOptions1 = static_cast<std::uint8_t>(options);
  s.Interface.PCIAddress = 1;
  return DecodeMessage(s.Decoder, m, flags);
}

TEST_F(SimTest, BasicModeEchoesSmartModeDoesNot) {
  EXPECT_EQ(Send("~~~\r"), "~~~\r");
  EXPECT_FALSE(pci.SmartMode());
  // "|" switches at once and is never echoed, so no stray character reaches the tool.
  EXPECT_EQ(Send("||\r"), "");
  EXPECT_TRUE(pci.SmartMode());
  EXPECT_EQ(Send("\\0538007905g\r"), "g.");
  // A reset is confirmed by its own echo whatever the mode was.
  EXPECT_EQ(Send("~~~\r"), "~~~\r");
  EXPECT_EQ(pci.Options1(), 0);
}

TEST_F(SimTest, DefaultModeWriteIsAnsweredInTheNewMode) {
  // Echoed while still basic, then answered with the 86 header of IDMON.
  EXPECT_EQ(Send("~~~\rA3300051\r"), "~~~\rA3300051\r8601010032300016\r\n");
  EXPECT_EQ(pci.Options1(), 0x51);
}

TEST_F(SimTest, Confirmations) {
  DefaultMode();
  struct Case {
    const char* command;
    const char* reply;
  };
  for (auto c : {Case{"\\0538007905g\r", "g."},      // a lighting command
                 Case{"\\063300210101h\r", "h#"},    // nobody at 33
                 Case{"\\03330938007905i\r", "i#"},  // no bridge 33
                 Case{"\\0538007905\r", ""},         // no acknowledgement character, no confirmation
                 Case{"\\05380079GGj\r", "j!"},      // not hex
                 Case{"@2101k\r", "k."}}) {          // the interface itself
    auto out = Send(c.command);
    EXPECT_EQ(out.substr(0, std::min<std::size_t>(out.size(), 2)), c.reply) << c.command;
  }
  EXPECT_EQ(Send(std::string(300, '0') + "m\r"), "m!");  // buffer full
}

TEST_F(SimTest, ChecksumOption) {
  Send("~~~\rA3300059\r");  // CHECKSUM on
  const std::string good = "\\0538007905" + MakeChecksum("\\0538007905");
  EXPECT_EQ(good, "\\053800790545");
  EXPECT_EQ(Send(good + "g\r").substr(0, 2), "g.");
  EXPECT_EQ(Send("\\053800790546h\r"), "h!");
  EXPECT_EQ(Send("\\0538007905i\r"), "i!");  // no checksum at all
  pci.UnitSends(0, 2, 0x38, "0105", clock);
  auto out = Send("\\0602002101" + MakeChecksum("\\0602002101") + "\r");
  auto lines = Lines(out);
  ASSERT_EQ(lines.size(), 2u) << out;
  for (const auto& l : lines) EXPECT_TRUE(ChecksumValid(l)) << l;
}

TEST_F(SimTest, IdentifyRepliesMatchTheEnginePatterns) {
  DefaultMode();
  auto lines = Lines(Send("\\0602002101\r"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 8), "86020100");  // from unit 02 to the interface 01, no bridges
  EXPECT_TRUE(ChecksumValid(lines[0]));
  EXPECT_EQ(Decode(lines[0], 0x51, 15), "Local Network, Source Unit 2, System Message");
  std::string reply = WithoutHeader(lines[0]);
  EXPECT_TRUE(StringsMatch("8901*", reply)) << reply;
  EXPECT_EQ(Trim(HexToASCII(reply.substr(4, 16))), "RELAY8");

  struct Case {
    const char* command;
    const char* pattern;
    std::size_t from, count;
    const char* value;
  };
  for (auto c : {Case{"\\0602002102\r", "8902*", 4, 12, "2.10"}, Case{"\\0602002107\r", "8607*", 4, 10, "35.9V"},
                 Case{"\\0602002100\r", "8900*", 4, 16, "ZELVO"}}) {
    auto l = Lines(Send(c.command));
    ASSERT_EQ(l.size(), 1u) << c.command;
    std::string r = WithoutHeader(l[0]);
    EXPECT_TRUE(StringsMatch(c.pattern, r)) << r;
    EXPECT_EQ(Trim(HexToASCII(r.substr(c.from, c.count))), c.value) << c.command;
  }
  EXPECT_EQ(Send("\\0602002199\r"), "");  // an attribute the unit lacks: no reply
}

TEST_F(SimTest, PciDataRequestOfTheInterface) {
  DefaultMode();
  auto ask = [&](const std::string& command, const std::string& pattern) {
    auto l = Lines(Send(command + "\r"));
    EXPECT_EQ(l.size(), 1u) << command;
    if (l.empty()) return std::string();
    EXPECT_EQ(l[0].substr(0, 8), "86010100") << command;  // IDMON: the interface's own replies carry the header
    std::string r = WithoutHeader(l[0]);
    EXPECT_TRUE(StringsMatch(pattern, r)) << command << " -> " << r;
    return r;
  };
  EXPECT_EQ(Trim(HexToASCII(ask("2100", "8900*").substr(4, 16))), "ZELVO");
  EXPECT_EQ(Trim(HexToASCII(ask("2101", "8901*").substr(4, 16))), "HOST_IF");
  EXPECT_EQ(Trim(HexToASCII(ask("2102", "8902*").substr(4, 14))), "4.00");
  EXPECT_EQ(ask("1A2001", "8220*").substr(4, 2), "01");
  EXPECT_EQ(UnpackName(ask("1A2306", "8723*").substr(4, 12)), "DEMO");
  EXPECT_EQ(UnpackName(ask("1A2A06", "872A*").substr(4, 12)), "PCI5500");
  EXPECT_EQ(Trim(HexToASCII(ask("2107", "8607*").substr(4, 10))), "36.0V");
  std::string s = ask("2104", "8D04*").substr(14, 8);
  EXPECT_EQ(std::to_string(HexToInt(s.substr(0, 5))) + "-" + std::to_string(HexToInt(s.substr(5, 3))), "162-63");
  // Recall of the registers that GetPCIModel reads.
  for (auto [param, value] : {std::pair{"30", "51"}, {"41", "00"}, {"3E", "01"}, {"42", "00"}, {"21", "FF"}})
    EXPECT_EQ(ask(std::string("1A") + param + "01", std::string("82") + param + "*").substr(4, 2), value) << param;
}

TEST_F(SimTest, IdmonDecidesTheHeaderOfLocalRepliesOnly) {
  Send("~~~\r||\r");  // SMART + CONNECT, no IDMON
  auto local = Lines(Send("2102\r"));
  ASSERT_EQ(local.size(), 1u);
  EXPECT_TRUE(StringsMatch("8902*", local[0])) << local[0];
  auto remote = Lines(Send("\\0602002102\r"));
  ASSERT_EQ(remote.size(), 1u);
  EXPECT_EQ(remote[0].substr(0, 8), "86020100");

  Send("~~~\r");  // basic mode: no header at all, and the decoder takes it for a reply
  auto basic = Lines(Send("\\0602002102\r"));
  ASSERT_EQ(basic.size(), 2u);  // the echo, then the reply
  EXPECT_EQ(basic[0], "\\0602002102");
  EXPECT_TRUE(StringsMatch("8902*", basic[1])) << basic[1];
  EXPECT_TRUE(ChecksumValid(basic[1]));
}

TEST_F(SimTest, BareCommandsFollowTheLastPointToPointDestination) {
  DefaultMode();
  Send("\\0602002101\r");
  auto l = Lines(Send("2102\r"));
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].substr(0, 4), "8602");  // still unit 02
  Send("~~~\r||\r");                     // a reset points them back at the interface
  l = Lines(Send("2102\r"));
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(Trim(HexToASCII(l[0].substr(4, 14))), "4.00");
}

TEST_F(SimTest, BusTrafficFormsInEveryMode) {
  struct Case {
    const char* setup;
    int options;
    const char* line;
    const char* decoded;  // flags 5: unit and application
  };
  for (auto c : {Case{"~~~\rA3300051\r", 0x51, "05023800790543", "Source Unit 2, Lighting"},
                 Case{"~~~\r||\r", 0x11, "05023800790543", "Source Unit 2, Lighting"},
                 Case{"~~~\r", 0x00, "050238790543", "Lighting"}}) {
    Send(c.setup);
    pci.UnitSends(0, 2, 0x38, "7905", clock);
    auto lines = Lines(Send(""));
    ASSERT_EQ(lines.size(), 1u) << c.setup;
    EXPECT_EQ(lines[0], c.line);
    EXPECT_TRUE(ChecksumValid(lines[0]));
    EXPECT_EQ(Decode(lines[0], c.options, 5), c.decoded);
  }
  // From behind the bridge at 20 (network 1): the routed forms.
  DefaultMode();
  pci.UnitSends(1, 3, 0x38, "7901", clock);
  auto routed = Lines(Send(""));
  ASSERT_EQ(routed.size(), 1u);
  EXPECT_EQ(routed[0].substr(0, 10), "0520380103");  // first bridge, application, one bridge, unit 03
  EXPECT_EQ(Decode(routed[0], 0x51, 7), "Network 20, Source Unit 3, Lighting");
  Send("~~~\r");
  pci.UnitSends(1, 3, 0x38, "7901", clock);
  routed = Lines(Send(""));
  ASSERT_EQ(routed.size(), 1u);
  EXPECT_EQ(routed[0].substr(0, 4), "0038");
  EXPECT_EQ(Decode(routed[0], 0, 4), "Lighting");
}

TEST_F(SimTest, RoutedRequestsAndReplies) {
  DefaultMode();
  // Unit 02 behind bridge 20: "\06" + 20 + route byte 09 + unit.
  auto out = Send("\\062009022101g\r");
  EXPECT_EQ(out.substr(0, 2), "g.");
  auto lines = Lines(out.substr(2));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].substr(0, 10), "8620010102");  // bridge, the interface, one bridge, unit 02
  std::string r = WithoutHeader(lines[0]);
  EXPECT_TRUE(StringsMatch("8901*", r));
  EXPECT_EQ(Trim(HexToASCII(r.substr(4, 16))), "RELAY8");
  EXPECT_EQ(Send("\\062009332101h\r"), "h#");  // nobody at 33 over there
}

TEST_F(SimTest, LightingCommandsSetTheGroupLevels) {
  DefaultMode();
  Send("\\0538007905\r");
  EXPECT_EQ(pci.GroupLevel(0x38, 5), 255);
  Send("\\0538000105\r");
  EXPECT_EQ(pci.GroupLevel(0x38, 5), 0);
  Send("\\0538000A0580\r");  // a ramp reaches its target at once
  EXPECT_EQ(pci.GroupLevel(0x38, 5), 0x80);
  Send("\\0538007960\r");  // a group nobody serves stays absent
  EXPECT_EQ(pci.GroupLevel(0x38, 0x60), -1);
  Send("\\03200938007901\r");  // network 1, behind bridge 20
  EXPECT_EQ(pci.GroupLevel(0x38, 1, 1), 255);
  EXPECT_EQ(pci.GroupLevel(0x38, 2, 1), 0);
}

TEST_F(SimTest, MmiRepliesFillTheConfiguredNetwork) {
  DefaultMode();
  MmiCapture inst{1};
  for (const auto& l : Lines(Send("\\05FF007AFF00\r"))) inst.Capture(l);
  EXPECT_EQ(inst.lastIndex, 255);
  for (int a = 0; a < 256; ++a) {
    bool present = (a >= 1 && a <= 0x0F) || a == 0x20;
    EXPECT_EQ(inst.results[static_cast<std::size_t>(a)], present ? 1 : 0) << a;
  }

  MmiCapture app{2};
  for (const auto& l : Lines(Send("\\05FF007A3800\r"))) app.Capture(l);
  EXPECT_EQ(app.lastIndex, 255);
  EXPECT_EQ(app.application, 0x38);
  for (int g = 0; g < 256; ++g) {
    int level = pci.GroupLevel(0x38, g);
    EXPECT_EQ(app.results[static_cast<std::size_t>(g)], level < 0 ? 0 : level > 0 ? 1 : 2) << g;
  }

  // A level MMI runs in eight blocks of 32 groups, each spanning four replies.
  Send("\\0538000A0C37\r");
  MmiCapture level{3};
  for (int k = 0; k < 8; ++k) {
    auto lines = Lines(Send("\\05FF007307" + std::string("38") + HexOfSize(32 * k, 1) + "\r"));
    EXPECT_EQ(lines.size(), 4u);
    for (const auto& l : lines) {
      EXPECT_TRUE(ChecksumValid(l));
      EXPECT_EQ(l.substr(2, 4), "0738");  // coding byte: local level MMI; application 38
      level.Capture(l);
    }
    EXPECT_EQ(level.lastIndex + 1, 32 * (k + 1));
  }
  for (int g = 0; g < 256; ++g) {
    int v = pci.GroupLevel(0x38, g);
    EXPECT_EQ(level.results[static_cast<std::size_t>(g)], v < 0 ? -2 : v) << g;
  }
  EXPECT_EQ(level.results[0x0C], 0x37);
}

TEST_F(SimTest, MmiExtendedRoutedAndConflicting) {
  auto config = DefaultNetwork();
  config.Units.push_back(config.Units[10]);  // a second unit at 0C
  SimulatedPci conflicted(config);
  conflicted.Receive("~~~\rA3300051\r\\05FF007AFF00\r", 0);
  MmiCapture inst{1};
  for (const auto& l : Lines(conflicted.TakeOutput(1000))) inst.Capture(l);
  EXPECT_EQ(inst.results[0x0C], 3);
  EXPECT_EQ(inst.results[0x0B], 1);

  DefaultMode();
  MmiCapture standard{1};
  for (const auto& l : Lines(Send("\\05FF007AFF00\r"))) standard.Capture(l);
  EXPECT_EQ(standard.results[0x20], 1);
  Send("@A3420008\r");  // EXSTAT: extended status replies
  MmiCapture ext{1};
  auto lines = Lines(Send("\\05FF007AFF00\r"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 4), "F300");
  for (const auto& l : lines) ext.Capture(l);
  EXPECT_EQ(ext.lastIndex, 255);
  EXPECT_EQ(ext.results, standard.results);

  // Through the bridge: the network behind it answers with the 86 route header.
  MmiCapture remote{1};
  lines = Lines(Send("\\032009FF7AFF00\r"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].substr(0, 10), "8620010101");
  EXPECT_EQ(lines[0].substr(10, 4), "F340");  // extended, non-local
  for (const auto& l : lines) remote.Capture(l);
  EXPECT_EQ(remote.lastIndex, 255);
  for (int a = 0; a < 256; ++a) EXPECT_EQ(remote.results[static_cast<std::size_t>(a)], a >= 1 && a <= 3 ? 1 : 0) << a;
}

TEST_F(SimTest, EepromAndRamBlockReads) {
  DefaultMode();
  const SimUnit* unit = pci.FindUnit(0, 3);
  ASSERT_NE(unit, nullptr);
  for (int k : {0, 0x1E, 0x1F}) {
    std::string l = HexOfSize(8 * k, 1);
    for (auto [op, memory] : {std::pair{"1A", unit->Eeprom}, {"2A", unit->Ram}}) {
      auto lines = Lines(Send("\\060300" + std::string(op) + l + "08\r"));
      ASSERT_EQ(lines.size(), 1u);
      std::string r = WithoutHeader(lines[0]);
      ASSERT_TRUE(StringsMatch("89" + l + "*", r)) << r;
      for (int j = 0; j < 8; ++j)
        EXPECT_EQ(HexToInt(r.substr(static_cast<std::size_t>(4 + 2 * j), 2)), memory[8 * k + j]) << op << " " << l;
    }
  }
  // The unit's type and serial sit where the tool expects them.
  EXPECT_EQ(HexToASCII(WithoutHeader(Lines(Send("\\0603001AF708\r"))[0]).substr(4, 16)), "DIMMER4 ");
  EXPECT_EQ(WithoutHeader(Lines(Send("\\0603001A2001\r"))[0]).substr(4, 2), "03");
}

TEST_F(SimTest, WritesUnlocksAndProtectedLocations) {
  DefaultMode();
  auto write = [&](const std::string& command) {
    auto l = Lines(Send(command + "\r"));
    return l.empty() ? std::string() : WithoutHeader(l[0]);
  };
  // An ordinary location takes any write.
  EXPECT_EQ(write("\\060300A45000AABB").substr(0, 6), "325000");
  EXPECT_EQ(pci.FindUnit(0, 3)->Eeprom[0x51], 0xBB);
  // A protected one only right after "11" for it.
  EXPECT_EQ(write("\\060300A33F0012").substr(0, 6), "323F01");
  EXPECT_TRUE(StringsMatch("823F??*", write("\\060300113F")));
  EXPECT_EQ(write("\\060300A33F0012").substr(0, 6), "323F00");
  EXPECT_EQ(pci.FindUnit(0, 3)->Eeprom[0x3F], 0x12);
  // Setting the unit type as the tool does, then reading it back.
  write("\\06030011F7");
  EXPECT_EQ(write("\\060300AAF700" + ASCIIToHex("INT_AB  ")).substr(0, 6), "32F700");
  EXPECT_EQ(HexToASCII(write("\\0603002101").substr(4, 16)), "INT_AB  ");

  // A remote interface's options need the key it hands out.
  std::string unlock = write("\\060F001130");
  ASSERT_TRUE(StringsMatch("8230*", unlock)) << unlock;
  std::string key = unlock.substr(4, 2);
  EXPECT_NE(key, "00");
  EXPECT_EQ(write("\\060F00A3300059" + std::string("00")).substr(0, 6), "323001");
  EXPECT_EQ(write("\\060F00A330" + key + "59" + key).substr(0, 6), "323000");
  EXPECT_EQ(pci.FindUnit(0, 0x0F)->Eeprom[0x30], 0x59);
  // The local interface takes its own without a key.
  EXPECT_EQ(write("@A3220038").substr(0, 6), "322200");
  EXPECT_EQ(pci.Register(0x22), 0x38);
}

TEST_F(SimTest, AllMonitorMode) {
  DefaultMode();
  auto lines = Lines(Send("@A3400048g\r").substr(2));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(StringsMatch("324000*", WithoutHeader(lines[0])));
  EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "9A");
  EXPECT_TRUE(pci.AllMonitor());
  EXPECT_EQ(pci.Options1() & 0x52, 0x52);
  pci.UnitSends(0, 2, 0x38, "7905", clock);
  lines = Lines(Send(""));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "0502380079054335");  // smart form, checksum, good-frame mark
  pci.SetTrafficRate(200);
  bool sawStatus = false;
  for (const auto& l : Lines(Send("", 2000))) {
    ASSERT_TRUE(IsHexString(l)) << l;
    if (l.substr(6, 2) == "90")
      sawStatus = true;
    else
      EXPECT_EQ(l.substr(l.size() - 2), "35") << l;
  }
  EXPECT_TRUE(sawStatus);
  Send("~~~\r");
  EXPECT_FALSE(pci.AllMonitor());
}

TEST_F(SimTest, Faults) {
  DefaultMode();
  struct Case {
    Fault fault;
    const char* command;
    const char* output;
  };
  for (auto c : {Case{Fault::NoAnswer, "~~~\r\\0602002101g\r", ""}, Case{Fault::AckOnly, "~~~\r\\0602002101g\r", "g"},
                 Case{Fault::NoBusClock, "\\0602002101g\r", "g%"},
                 Case{Fault::CorruptedTransmission, "\\0538007905g\r", "g$"}}) {
    pci.ClearFaults();
    DefaultMode();
    pci.SetFault(c.fault);
    EXPECT_EQ(Send(c.command), c.output) << FaultName(c.fault);
  }
  pci.ClearFaults();
  DefaultMode();
  EXPECT_EQ(pci.GroupLevel(0x38, 5), 0);  // the corrupted transmission never reached the bus

  // Late replies arrive after the engine's two seconds.
  pci.SetFault(Fault::DelayedReplies);
  EXPECT_EQ(Send("\\0602002101g\r", 2000), "g.");
  EXPECT_EQ(Lines(Send("", 600)).size(), 1u);
  pci.ClearFaults();

  // A corrupted byte breaks the checksum of every line.
  pci.SetFault(Fault::CorruptByte);
  auto lines = Lines(Send("\\0602002101\r"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_FALSE(ChecksumValid(lines[0])) << lines[0];
  pci.ClearFaults();

  // The connection drops after so many bytes, and a new client gets a fresh one.
  pci.SetFault(Fault::DropAfterBytes, 5);
  EXPECT_EQ(Send("\\0602002101g\r"), "g.860");
  EXPECT_TRUE(pci.Dropped());
  EXPECT_EQ(Send("\\0602002101h\r"), "");
  pci.ClearFaults();
  pci.Connect();
  EXPECT_FALSE(pci.Dropped());
  EXPECT_EQ(Send("\\0602002101i\r").substr(0, 2), "i.");
}

TEST(SimulatedPciTraffic, RepeatableAndOfEveryApplication) {
  auto run = [](std::uint64_t seed) {
    SimulatedPci pci(DefaultNetwork(), seed);
    pci.Receive("~~~\rA3300051\r", 0);
    pci.SetTrafficRate(100);
    std::string all;
    for (std::int64_t t = 100; t <= 20000; t += 100) all += pci.TakeOutput(t);
    return all;
  };
  std::string a = run(7);
  EXPECT_EQ(a, run(7));
  EXPECT_NE(a, run(8));

  std::set<std::string> apps;
  int lines = 0;
  for (const auto& l : OutputLines(a)) {
    if (l.size() < 8 || l.substr(0, 2) != "05") continue;  // the echo and the reply to the mode write
    ++lines;
    EXPECT_TRUE(ChecksumValid(l)) << l;
    // Decodes as far as the frame goes: a unit and an application.
    EXPECT_NE(Decode(l, 0x51, 5), "") << l;
    apps.insert(l.substr(4, 2));
  }
  EXPECT_GT(lines, 1500);
  for (const char* app :
       {"38", "39", "CA", "CB", "AC", "D0", "D5", "DF", "E0", "E4", "CD", "C0", "AD", "CE", "19", "C9"})
    EXPECT_TRUE(apps.count(app)) << app;
}

TEST(SimulatedPciTraffic, MultiPacketNamesComeInOrder) {
  SimulatedPci pci(DefaultNetwork(), 3);
  pci.Receive("~~~\rA3300051\r", 0);
  pci.SetTrafficRate(500);
  std::string out;
  for (std::int64_t t = 10; t <= 20000; t += 10) out += pci.TakeOutput(t);
  int expected = -1, completed = 0;
  for (const auto& l : OutputLines(out)) {
    if (l.substr(0, 2) != "05" || l.substr(4, 2) != "C0") continue;
    int c = HexToInt(l.substr(8, 2));
    if (c < 0x80) continue;
    int packet = HexToInt(l.substr(12, 2));
    int p = packet & 3, total = (packet >> 2) & 3;
    if (expected >= 0) {
      EXPECT_EQ(p, expected) << l;
    }
    expected = p == total ? -1 : p + 1;
    if (p == total && total > 0) ++completed;
  }
  EXPECT_GT(completed, 0);
}

}  // namespace
}  // namespace zelvo::sim::test
