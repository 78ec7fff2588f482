#include "shell/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "shell/Host.h"
#include "shell/ProgramSettings.h"
#include "zelvo/Version.h"

namespace zelvo {

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

std::string_view SwitchName(std::string_view arg) { return arg.substr(0, arg.find('=')); }

}  // namespace

CommandLine::CommandLine(std::vector<std::string> args) : args_(std::move(args)) {
  std::stable_sort(args_.begin(), args_.end(), LessNoCase);
}

bool CommandLine::HasSwitch(std::string_view name) const {
  return std::any_of(args_.begin(), args_.end(),
                     [&](const std::string& a) { return EqualsNoCase(a, name) || EqualsNoCase(SwitchName(a), name); });
}

std::string CommandLine::SwitchValue(std::string_view name) const {
  for (const std::string& a : args_) {
    const auto eq = a.find('=');
    if (eq != std::string::npos && EqualsNoCase(std::string_view(a).substr(0, eq), name)) return a.substr(eq + 1);
  }
  return {};
}

CommandLineEffect ApplyCommandLine(const CommandLine& cl, ProgramSettings& s, Host& host) {
  CommandLineEffect effect;
  const bool serial = cl.HasSwitch("/serial");
  const bool tcpip = cl.HasSwitch("/tcpip");
  const bool autoConnect = cl.HasSwitch("/autoconnect");
  if (serial && tcpip) {
    host.Message(MsgIcon::Error, "Cannot specify both /serial and /tcpip", MsgButtons::Ok);
  } else if (serial) {
    s.COMPort = cl.SwitchValue("/serial");
    s.ConnectionType = kConnectionSerial;
    effect.StartupConnect = autoConnect;
  } else if (tcpip) {
    const std::string value = cl.SwitchValue("/tcpip");
    const auto colon = value.find(':');
    s.IPAddress = value.substr(0, colon);
    const std::string digits = colon == std::string::npos ? std::string() : value.substr(colon + 1, 5);
    int port = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), port);
    // A TCP port is 1..65535; anything else would be truncated by the socket
    // and silently reach a different port.
    if (digits.empty() || ec != std::errc() || ptr != digits.data() + digits.size() || port < 1 || port > 65535) {
      host.Message(MsgIcon::Error, "Invalid argument, format is /tcpip=<IPAddress>:<Port>", MsgButtons::Ok);
    } else {
      s.Port = port;
      s.ConnectionType = kConnectionTcpIp;
      effect.StartupConnect = autoConnect;
    }
  } else if (autoConnect) {
    host.Message(MsgIcon::Error, "Must specify one of /serial or /tcpip with /autoconnect", MsgButtons::Ok);
  }
  return effect;
}

std::optional<std::string> ConventionalOptionText(const std::vector<std::string>& args, std::string_view program) {
  const std::string name(program);
  for (const std::string& a : args) {
    if (a == "--version") return name + " " + kProgramVersion + "\n";
    if (a == "--help" || a == "-h")
      return "Usage: " + name +
             " [/serial=PORT | /tcpip=ADDRESS:PORT] [/autoconnect] [/logging]\n"
             "\n"
             "Watches, decodes and drives a Zelvo network through a PC Interface.\n"
             "\n"
             "  /serial=PORT          use the PC Interface on serial port PORT (e.g. /serial=/dev/ttyUSB0)\n"
             "  /tcpip=ADDRESS:PORT   use the network interface at ADDRESS, TCP port PORT\n"
             "  /autoconnect          connect half a second after start (needs /serial or /tcpip)\n"
             "  /logging              after the automatic connect, switch command logging on\n"
             "  --help                show this text and exit\n"
             "  --version             show the program version and exit\n"
             "\n"
             "Switches are matched ignoring case. The link choice is saved at exit.\n";
  }
  return std::nullopt;
}

}  // namespace zelvo
