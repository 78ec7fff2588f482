// zelvo-decode: decodes captured bus messages in a terminal or a pipeline.
// Decoder state carries over from line to line as it does in the live
// program, so a captured sequence decodes as it did live.

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "shell/Session.h"
#include "zelvo/Version.h"

namespace {

constexpr const char* kUsage =
    "Usage: zelvo-decode [options] [MESSAGE...]\n"
    "Decodes each MESSAGE, or each line of standard input when none is given,\n"
    "into one line of text (an empty line when it cannot be decoded).\n"
    "\n"
    "Options:\n"
    "  --flags N          decode flags (default 15: unit, network, application, message)\n"
    "  --transmitted      the messages are commands as sent to the interface (adds 16)\n"
    "  --live             the messages are live received traffic (adds 32); a short\n"
    "                     information message, once complete, follows as a line\n"
    "                     beginning \" * \"\n"
    "  --stored           decode as a typed command or log-file line is decoded\n"
    "  --hex-numbers      show numbers in hexadecimal\n"
    "  --options1 HEX     the interface options register 1 (default 51)\n"
    "  --basic            the interface is in basic mode (clears SMART)\n"
    "  --checksum         the interface adds and expects checksums (sets CHECKSUM)\n"
    "  --no-idmon         the interface does not identify its own replies (clears IDMON)\n"
    "  --pci-address N    the interface's unit address (default -1, unknown)\n"
    "  --last-route HEX   the route of the last point-to-point command (default 0000)\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

int Fail(const std::string& message) {
  std::cerr << "zelvo-decode: " << message << "\n";
  return 2;
}

bool ParseInt(std::string_view text, int base, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  const std::string s(text);
  long v = std::strtol(s.c_str(), &end, base);
  if (*end != '\0' || v < -2147483647L || v > 2147483647L) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  zelvo::Session session;
  int flags = 15;
  int extraFlags = 0;
  bool stored = false;
  int options1 = zelvo::kDefaultModeOptions;
  int setBits = 0;
  int clearBits = 0;
  std::vector<std::string> messages;

  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    std::string v;
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << "zelvo-decode " << zelvo::kProgramVersion << "\n";
      return 0;
    } else if (arg == "--flags") {
      if (!value(v) || !ParseInt(v, 10, flags) || flags < 0) return Fail("--flags needs a number: " + v);
    } else if (arg == "--transmitted") {
      extraFlags |= zelvo::DecodeTransmitted;
    } else if (arg == "--live") {
      extraFlags |= zelvo::DecodeLive;
    } else if (arg == "--stored") {
      stored = true;
    } else if (arg == "--hex-numbers") {
      session.User.HexNumbers = true;
    } else if (arg == "--options1") {
      if (!value(v) || !zelvo::IsHexString(v) || v.size() > 2 || !ParseInt(v, 16, options1))
        return Fail("--options1 needs one hex byte: " + v);
    } else if (arg == "--basic") {
      clearBits |= zelvo::kOptSmart;
    } else if (arg == "--checksum") {
      setBits |= zelvo::kOptChecksum;
    } else if (arg == "--no-idmon") {
      clearBits |= zelvo::kOptIdmon;
    } else if (arg == "--pci-address") {
      int a = 0;
      if (!value(v) || !ParseInt(v, 10, a) || a < -1 || a > 255) return Fail("--pci-address needs -1 or 0..255: " + v);
      session.Interface.PCIAddress = a;
    } else if (arg == "--last-route") {
      if (!value(v) || !zelvo::IsHexString(v)) return Fail("--last-route needs hex text: " + v);
      session.Interface.LastRoute = zelvo::UpperCase(v);
    } else if (arg.size() > 1 && arg[0] == '-' && arg.substr(0, 2) == "--") {
      return Fail("unknown option " + std::string(arg) + " (try --help)");
    } else {
      messages.emplace_back(arg);
    }
  }
  session.Interface.InterfaceOptions1 = static_cast<std::uint8_t>((options1 | setBits) & ~clearBits);
  flags |= extraFlags;

  auto decodeOne = [&](const std::string& raw) {
    std::string_view line = raw;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return stored ? zelvo::DecodeStoredMessage(session.Decoder, line, flags)
                  : zelvo::DecodeMessage(session.Decoder, line, flags);
  };

  // As the monitor does after each live message: the short information
  // messages the reassembly cache has finished.
  auto showReassembled = [&] {
    if (!(flags & zelvo::DecodeLive)) return;
    for (std::string r; !(r = zelvo::TakeReconstructedMessage(session.Decoder, flags & 15)).empty();)
      std::cout << " * " << r << '\n';
  };

  std::ios::sync_with_stdio(false);
  if (!messages.empty()) {
    for (const auto& m : messages) {
      std::cout << decodeOne(m) << '\n';
      showReassembled();
    }
  } else {
    std::string line;
    while (std::getline(std::cin, line)) {
      std::cout << decodeOne(line) << '\n';
      showReassembled();
    }
  }
  std::cout.flush();
  return 0;
}
