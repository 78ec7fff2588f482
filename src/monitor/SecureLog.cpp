#include "monitor/SecureLog.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "shell/Host.h"

namespace zelvo {

namespace {

void Report(SecureLog& log, Host& host, const std::string& text) {
  if (log.ErrorReported) return;
  log.ErrorReported = true;
  host.Message(MsgIcon::Error, text, MsgButtons::Ok);
}

}  // namespace

int SecureLogNextKey(int K) {
  if (K == 0) return 1;
  for (int i = 0; i < 7; ++i) K = (K >> 1) + 0x4000 * (((K >> 1) ^ K) & 1);
  return K;
}

bool SecureLogOpen(SecureLog& log, Host& host, const std::string& fileName) {
  std::uniform_int_distribution<int> byte(0, 255);
  return SecureLogOpen(log, host, fileName, static_cast<std::uint8_t>(byte(log.Random)));
}

bool SecureLogOpen(SecureLog& log, Host& host, const std::string& fileName, std::uint8_t k0) {
  SecureLogClose(log);
  log.ErrorReported = false;
  FileHandle f(std::fopen(fileName.c_str(), "wb"));
  if (!f) {
    Report(log, host, "Cannot create file \"" + fileName + "\".");
    return false;
  }
  if (std::fputc(k0, f.get()) == EOF || std::fflush(f.get()) != 0) {
    Report(log, host, "Error writing file \"" + fileName + "\".");
    return false;
  }
  log.File = std::move(f);
  log.FileName = fileName;
  log.Key = k0;
  return true;
}

bool SecureLogWriteLine(SecureLog& log, Host& host, std::string_view text) {
  if (!log.File) return false;
  if (text.size() + 2 >= kSecureLogLineLimit) {
    Report(log, host,
           "Range check error: a line of " + std::to_string(text.size()) +
               " characters does not fit the secure log \"" + log.FileName + "\".");
    return false;
  }
  // The whole line is scrambled first and written in one piece, so the key
  // only moves on when the bytes went out.
  char buf[kSecureLogLineLimit];
  int K = log.Key;
  std::size_t n = 0;
  auto put = [&](unsigned char c) {
    buf[n++] = static_cast<char>((K ^ c) & 0xFF);
    K = SecureLogNextKey(K);
  };
  for (char c : text) put(static_cast<unsigned char>(c));
  put('\r');
  put('\n');
  if (std::fwrite(buf, 1, n, log.File.get()) != n || std::fflush(log.File.get()) != 0) {
    std::clearerr(log.File.get());
    Report(log, host, "Error writing file \"" + log.FileName + "\".");
    return false;
  }
  log.Key = K;
  return true;
}

void SecureLogClose(SecureLog& log) {
  log.File.reset();
  log.FileName.clear();
}

std::string SecureLogTextName(const std::string& fileName) {
  const auto sep = fileName.find_last_of("/\\");
  const auto dot = fileName.rfind('.');
  if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return fileName + ".txt";
  return fileName.substr(0, dot) + ".txt";
}

int SecureLogDecrypt(const std::string& fileName) {
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) return kSecureLogMissing;
  const std::string textName = SecureLogTextName(fileName);
  // A secure log named ".txt" would be overwritten by its own text.
  if (std::filesystem::equivalent(fileName, textName, ec)) return kSecureLogFailed;

  FileHandle in(std::fopen(fileName.c_str(), "rb"));
  if (!in) return kSecureLogFailed;
  const int k0 = std::fgetc(in.get());
  if (k0 == EOF) return kSecureLogFailed;  // empty: not even the key is there
  FileHandle out(std::fopen(textName.c_str(), "wb"));
  if (!out) return kSecureLogFailed;

  int K = k0;
  std::vector<unsigned char> buf(1 << 16);
  for (;;) {
    const std::size_t got = std::fread(buf.data(), 1, buf.size(), in.get());
    for (std::size_t i = 0; i < got; ++i) {
      buf[i] = static_cast<unsigned char>((K & 0xFF) ^ buf[i]);
      K = SecureLogNextKey(K);
    }
    if (got > 0 && std::fwrite(buf.data(), 1, got, out.get()) != got) return kSecureLogFailed;
    if (got < buf.size()) break;
  }
  if (std::ferror(in.get())) return kSecureLogFailed;
  if (std::fflush(out.get()) != 0 || std::fclose(out.release()) != 0) return kSecureLogFailed;
  return kSecureLogDecrypted;
}

void DecryptQuenbyLog1Click(Host& host) {
  const auto path = host.ChooseOpenFile(kLogToolOpenTitle, kLogToolOpenFilter);
  if (!path) return;
  switch (SecureLogDecrypt(*path)) {
    case kSecureLogMissing: host.Message(MsgIcon::Error, "Cannot find file:\n" + *path, MsgButtons::Ok); break;
    case kSecureLogFailed: host.Message(MsgIcon::Error, "Error decrypting file", MsgButtons::Ok); break;
    default: break;
  }
}

}  // namespace zelvo
