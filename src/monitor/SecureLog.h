#pragma once
// Scrambled message logs: the first byte of the file is a random key K0,
// every following byte is a character XORed with a key stream from a 15-bit
// shift register started at K0. It hides a traffic record from casual
// reading only; it is not encryption.

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "monitor/CommandLog.h"

namespace zelvo {

class Host;

// A line whose length with CR LF would reach this is not written.
inline constexpr std::size_t kSecureLogLineLimit = 256;

struct SecureLog {
  FileHandle File;
  std::string FileName;
  int Key = 0;                 // K: up to 15 bits
  bool ErrorReported = false;  // one failure message per file
  std::mt19937 Random{std::random_device{}()};

  bool IsOpen() const { return File != nullptr; }
};

// One step of the key after a character.
int SecureLogNextKey(int K);

// Creates or replaces the file, draws K0 (0..255) and writes it first.
// Failures are reported through the host's error message.
bool SecureLogOpen(SecureLog& log, Host& host, const std::string& fileName);
// The same with a given K0.
bool SecureLogOpen(SecureLog& log, Host& host, const std::string& fileName, std::uint8_t k0);
// Appends text + CR LF scrambled. A line that would reach 256 characters
// with CR LF is not written at all (the file and the key stay as they were)
// and reported; so are write failures. False when nothing was written.
bool SecureLogWriteLine(SecureLog& log, Host& host, std::string_view text);
void SecureLogClose(SecureLog& log);

inline constexpr int kSecureLogDecrypted = 0;
inline constexpr int kSecureLogMissing = 1;
inline constexpr int kSecureLogFailed = 2;
// The text file beside a secure log: its extension replaced by ".txt".
std::string SecureLogTextName(const std::string& fileName);
// Writes the plain text of a secure log to SecureLogTextName(fileName):
// 0 done, 1 the file does not exist (nothing written), 2 a read or write
// failure (an empty file, which lacks even its key, included).
int SecureLogDecrypt(const std::string& fileName);

// The hidden "Decrypt Quenby Log" menu item.
void DecryptQuenbyLog1Click(Host& host);

}  // namespace zelvo
