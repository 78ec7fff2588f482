#pragma once
// The program's command line: switches such as "/serial=COM3", matched
// ignoring case, and what they change at start.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class Host;
struct ProgramSettings;

class CommandLine {
 public:
  CommandLine() = default;
  // The program arguments without the program name.
  explicit CommandLine(std::vector<std::string> args);

  // An argument equals `name`, or its part before the first "=" does.
  bool HasSwitch(std::string_view name) const;
  // The text after the first "=" of the first argument (in sorted order)
  // whose part before "=" is `name`; "" when there is none.
  std::string SwitchValue(std::string_view name) const;

 private:
  std::vector<std::string> args_;  // sorted, ignoring case
};

struct CommandLineEffect {
  bool StartupConnect = false;  // start the 500 ms start-up connect timer
};

// Applies "/serial", "/tcpip" and "/autoconnect" to the in-memory settings,
// reporting a malformed command line with its message.
CommandLineEffect ApplyCommandLine(const CommandLine& cl, ProgramSettings& s, Host& host);

// "--help" and "--version": the text to print before exiting, or nullopt
// when neither is given.
std::optional<std::string> ConventionalOptionText(const std::vector<std::string>& args, std::string_view program);

}  // namespace zelvo
