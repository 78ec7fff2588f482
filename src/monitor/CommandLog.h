#pragma once
// The command log (every shown line, with direction and time stamp, into a
// text file that rolls over every 100,000 lines) and the tools that work on
// such logs: extracting the commands, playing a script back, filtering.
// Files are plain bytes with CR LF line ends, so ASCII stays byte-exact.

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "monitor/Filter.h"

namespace zelvo {

class Host;
struct DateTime;
struct DecodeContext;

inline constexpr int kLogLineLimit = 100000;

struct FileCloser {
  void operator()(std::FILE* f) const {
    if (f) std::fclose(f);
  }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

struct CommandLog {
  bool Enabled = false;           // "Log Commands" check mark
  int LineLimit = kLogLineLimit;  // lines per file before a new one is started
  int LineCount = 0;              // lines in the current file
  std::string FileName;           // path of the current file, "" when none is open

  // Internal: the open file; whether a failure was already reported (one
  // message per switch-on, the program goes on without the log); the name
  // of the last file started and how many files of this run share it.
  FileHandle File;
  bool ErrorReported = false;
  std::string LastBaseName;
  int SameNameCount = 0;
};

// "YYYY_MM_DD_HHNNSS_log.txt" for the given local time.
std::string LogMakeFileName(const DateTime& t);
// A path in `folder` ("" or a folder with or without a trailing separator).
std::string JoinPath(std::string_view folder, std::string_view name);

// Creates (replacing) the log file at `path` and makes it current. A failure
// is reported once through the host's error message; logging stays on.
bool LogOpen(CommandLog& log, Host& host, const std::string& path);
void LogClose(CommandLog& log);
// Writes one finished line (CR LF added) and starts a new file after the
// LineLimit-th line. A line is never lost at a roll-over: the old file is
// closed only once the new one exists.
void LogWriteItem(CommandLog& log, Host& host, std::string_view line);

// "Log Commands": on creates a new file in host.DataFolder(); off closes it.
void SetLogCommands(CommandLog& log, Host& host, bool on);
void OptionsLogCommandsItemClick(CommandLog& log, Host& host);

// ---- Log-file tools ----------------------------------------------------

inline constexpr const char* kLogToolError = "Error processing Log file.";
inline constexpr const char* kExecuteFileName = "execute.txt";
inline constexpr const char* kFilteredFileName = "filtered.txt";
inline constexpr const char* kLogToolOpenTitle = "Open";
inline constexpr const char* kLogToolOpenFilter = "Halvorn Data (*.hvd);;Text Files (*.txt);;All Files (*.*)";

// The commands of a log ("\" up to before the first "<", trimmed), one per
// line. False when a file cannot be read or written.
bool ProcessLogFile(const std::string& logPath, const std::string& outPath);

// What a script needs from the transmit pipeline and the monitor.
struct ScriptActions {
  std::function<void(std::string_view)> Send;          // SendZelvoCommand
  std::function<void(double)> Delay;                   // Delay, seconds
  std::function<void(int, std::string_view)> Display;  // DisplaySerialString
  std::function<void(std::string_view)> Pause;         // modal "Paused" box
};
// The wait of a "D" line: its rest in seconds, 1 when unreadable.
double ScriptDelaySeconds(std::string_view rest);
// The text of the "Paused" box of a "P" line.
std::string ScriptPauseText(std::string_view rest);
// Plays a script: "#" lines shown, "P" pauses, "D" sets the wait, empty
// lines skipped, every other line sent and followed by the wait. The live
// filter is off for the run and restored afterwards. False when the file
// cannot be read.
bool ExecuteScript(const std::string& scriptPath, LiveFilter& filter, const ScriptActions& actions);

// "Filter Log File...": each log line with a message that passes the
// criteria, followed by its decoded text aligned under the direction. The
// pump runs every few lines so the window stays responsive. False when a
// file cannot be read or written.
bool FilterLogFile(DecodeContext& decoder, const FilterCriteria& criteria, const std::string& logPath,
                   const std::string& outPath, const std::function<void()>& pump = {});

// The hidden File menu items. Each asks for a file (and stops on cancel);
// the two that read logs switch logging off first. Outputs go to
// host.DataFolder().
void FileProcessLogFileItem(CommandLog& log, Host& host);
void FileExecuteFile(Host& host, LiveFilter& filter, const ScriptActions& actions);
// askCriteria shows the empty filter dialog: the criteria on OK, else none.
void FileFilterLogFileItem(CommandLog& log, Host& host, DecodeContext& decoder,
                           const std::function<std::optional<TCriteriaList>()>& askCriteria);

}  // namespace zelvo
