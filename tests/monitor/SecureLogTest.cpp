#include "monitor/SecureLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "monitor/TempDir.h"
#include "support/FakeHost.h"

namespace zelvo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(SecureLogKey, StepsOfTheShiftRegister) {
  EXPECT_EQ(SecureLogNextKey(0), 1);
  EXPECT_EQ(SecureLogNextKey(1), 0x100);
  EXPECT_EQ(SecureLogNextKey(0x5A), 0x7700);
  // A 15-bit register never leaves 15 bits and never falls back to 0.
  int k = 0xFF;
  for (int i = 0; i < 100000; ++i) {
    k = SecureLogNextKey(k);
    ASSERT_GT(k, 0);
    ASSERT_LT(k, 0x8000);
  }
}

class SecureLogTest : public ::testing::Test {
 protected:
  TempDir dir;
  test::FakeHost host;
  SecureLog log;
};

TEST_F(SecureLogTest, LayoutOfTheEmptyLineAndOfKeyZero) {
  const std::string a = dir.File("a.hve");
  ASSERT_TRUE(SecureLogOpen(log, host, a, 0x5A));
  ASSERT_TRUE(SecureLogWriteLine(log, host, ""));
  SecureLogClose(log);
  // K0, then CR XOR K0, then LF XOR the stepped key (0x7700: low byte 0).
  EXPECT_EQ(ReadBytes(a), std::string("\x5A\x57\x0A", 3));

  const std::string z = dir.File("z.hve");
  ASSERT_TRUE(SecureLogOpen(log, host, z, 0));
  ASSERT_TRUE(SecureLogWriteLine(log, host, "A"));
  SecureLogClose(log);
  // Key 0: "A" unchanged, then the key is 1 (CR XOR 1), then 0x100 (LF XOR 0).
  EXPECT_EQ(ReadBytes(z), std::string("\x00\x41\x0C\x0A", 4));
  EXPECT_EQ(SecureLogDecrypt(z), kSecureLogDecrypted);
  EXPECT_EQ(ReadBytes(dir.File("z.txt")), "A\r\n");
}

TEST_F(SecureLogTest, RoundTripKeepsEveryWrittenLineAndSkipsAnOverlongOne) {
  const std::string fits(253, 'x');  // 253 + CR LF = 255 characters
  const std::string tooLong(254, 'y');
  const std::string bytes("\x01\x7F\x80\xFF high", 9);
  for (int k0 : {0, 1, 0x7F, 0xFF}) {
    SCOPED_TRACE(k0);
    const std::string path = dir.File("log" + std::to_string(k0) + ".hve");
    host.messages.clear();
    ASSERT_TRUE(SecureLogOpen(log, host, path, static_cast<std::uint8_t>(k0)));
    EXPECT_TRUE(SecureLogWriteLine(log, host, "050C3800790E00"));
    EXPECT_TRUE(SecureLogWriteLine(log, host, ""));
    EXPECT_TRUE(SecureLogWriteLine(log, host, fits));
    EXPECT_FALSE(SecureLogWriteLine(log, host, tooLong));
    EXPECT_FALSE(SecureLogWriteLine(log, host, tooLong));
    EXPECT_TRUE(SecureLogWriteLine(log, host, bytes));
    SecureLogClose(log);
    ASSERT_EQ(host.messages.size(), 1u);  // reported once, the log goes on
    EXPECT_EQ(host.messages[0].Icon, MsgIcon::Error);

    EXPECT_EQ(SecureLogDecrypt(path), kSecureLogDecrypted);
    EXPECT_EQ(ReadBytes(SecureLogTextName(path)), "050C3800790E00\r\n\r\n" + fits + "\r\n" + bytes + "\r\n");
  }
  // A random key: still a round trip.
  const std::string r = dir.File("random.hve");
  ASSERT_TRUE(SecureLogOpen(log, host, r));
  ASSERT_TRUE(SecureLogWriteLine(log, host, "hello"));
  SecureLogClose(log);
  EXPECT_EQ(SecureLogDecrypt(r), kSecureLogDecrypted);
  EXPECT_EQ(ReadBytes(dir.File("random.txt")), "hello\r\n");
}

TEST_F(SecureLogTest, DecryptFailuresReturnTheirCodes) {
  EXPECT_EQ(SecureLogDecrypt(dir.File("missing.hve")), kSecureLogMissing);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing.txt")));

  WriteBytes(dir.File("empty.hve"), "");
  EXPECT_EQ(SecureLogDecrypt(dir.File("empty.hve")), kSecureLogFailed);

  // Cut inside a line: what is there comes out.
  WriteBytes(dir.File("cut.hve"), std::string("\x00\x41", 2));
  EXPECT_EQ(SecureLogDecrypt(dir.File("cut.hve")), kSecureLogDecrypted);
  EXPECT_EQ(ReadBytes(dir.File("cut.txt")), "A");
  WriteBytes(dir.File("key.hve"), std::string("\x33", 1));
  EXPECT_EQ(SecureLogDecrypt(dir.File("key.hve")), kSecureLogDecrypted);
  EXPECT_EQ(ReadBytes(dir.File("key.txt")), "");

  // A secure log named .txt is not overwritten by its own text.
  WriteBytes(dir.File("own.txt"), std::string("\x00\x41", 2));
  EXPECT_EQ(SecureLogDecrypt(dir.File("own.txt")), kSecureLogFailed);
  EXPECT_EQ(ReadBytes(dir.File("own.txt")), std::string("\x00\x41", 2));

  // A folder is no file.
  std::filesystem::create_directory(dir.File("folder.hve"));
  EXPECT_EQ(SecureLogDecrypt(dir.File("folder.hve")), kSecureLogFailed);
}

TEST_F(SecureLogTest, OpenAndWriteFailuresAreReported) {
  EXPECT_FALSE(SecureLogOpen(log, host, dir.File("no/such/folder.hve"), 1));
  EXPECT_FALSE(log.IsOpen());
  EXPECT_FALSE(SecureLogWriteLine(log, host, "x"));
  ASSERT_EQ(host.messages.size(), 1u);
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  host.messages.clear();
  // /dev/full takes the key byte into its buffer but fails the flush.
  SecureLogOpen(log, host, "/dev/full", 1);
  SecureLogWriteLine(log, host, "x");
  SecureLogWriteLine(log, host, "y");
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(SecureLogName, ExtensionReplacedByTxt) {
  EXPECT_EQ(SecureLogTextName("/a/2026_12_11_090507.hve"), "/a/2026_12_11_090507.txt");
  EXPECT_EQ(SecureLogTextName("/a.b/log"), "/a.b/log.txt");
  EXPECT_EQ(SecureLogTextName("log"), "log.txt");
}

TEST(DecryptMenu, ReportsMissingAndFailedFiles) {
  TempDir dir;
  test::FakeHost host;
  WriteBytes(dir.File("empty.hve"), "");
  host.inputs = {std::nullopt, dir.File("missing.hve"), dir.File("empty.hve")};
  for (int i = 0; i < 3; ++i) DecryptQuenbyLog1Click(host);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[0].Text, "Cannot find file:\n" + dir.File("missing.hve"));
  EXPECT_EQ(host.messages[1].Text, "Error decrypting file");
}

}  // namespace
}  // namespace zelvo
