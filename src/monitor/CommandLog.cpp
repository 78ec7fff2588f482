#include "monitor/CommandLog.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "decode/Decode.h"
#include "link/Codec.h"
#include "monitor/TextFile.h"
#include "shell/Host.h"

namespace zelvo {

namespace {

void ReportOnce(CommandLog& log, Host& host, const std::string& text) {
  if (log.ErrorReported) return;
  log.ErrorReported = true;
  host.Message(MsgIcon::Error, text, MsgButtons::Ok);
}

FileHandle OpenForWriting(const std::string& path) { return FileHandle(std::fopen(path.c_str(), "wb")); }
FileHandle OpenForReading(const std::string& path) { return FileHandle(std::fopen(path.c_str(), "rb")); }

// Flushes and closes; false when buffered data could not be written.
bool Finish(FileHandle& f) {
  bool ok = std::fflush(f.get()) == 0 && !std::ferror(f.get());
  ok = std::fclose(f.release()) == 0 && ok;
  return ok;
}

// The name of the file that follows a full one, and how many files of this
// run then share its time. Files of one run must not replace each other:
// when the clock still gives the name of the file just started (more than a
// file's worth of lines within one second), a number is added:
// ..._log_2.txt, ..._log_3.txt.
struct NextName {
  std::string Name;
  std::string Base;
  int SameNameCount;
};
NextName RollOverName(const CommandLog& log, Host& host) {
  const std::string base = LogMakeFileName(host.Now());
  if (base != log.LastBaseName) return {base, base, 1};
  const int count = log.SameNameCount + 1;
  const std::string stem = base.substr(0, base.size() - 4);  // without ".txt"
  return {stem + "_" + std::to_string(count) + ".txt", base, count};
}

}  // namespace

std::string LogMakeFileName(const DateTime& t) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d_%02d_%02d_%02d%02d%02d_log.txt", t.Year % 10000, t.Month % 100, t.Day % 100,
                t.Hour % 100, t.Minute % 100, t.Second % 100);
  return buf;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/' && path.back() != '\\') path += '/';
  path += name;
  return path;
}

bool LogOpen(CommandLog& log, Host& host, const std::string& path) {
  LogClose(log);
  log.File = OpenForWriting(path);
  if (!log.File) {
    ReportOnce(log, host, "Cannot create file \"" + path + "\".");
    return false;
  }
  log.FileName = path;
  log.LineCount = 0;
  return true;
}

void LogClose(CommandLog& log) {
  if (log.File) Finish(log.File);
  log.File.reset();
  log.FileName.clear();
}

void LogWriteItem(CommandLog& log, Host& host, std::string_view line) {
  if (!log.File) return;
  std::FILE* f = log.File.get();
  // Flushed line by line: a write failure shows at once, and nothing is
  // lost if the program ends abnormally.
  if (!WriteLine(f, line) || std::fflush(f) != 0) {
    std::clearerr(f);
    ReportOnce(log, host, "Error writing file \"" + log.FileName + "\".");
    return;
  }
  if (++log.LineCount < log.LineLimit) return;

  // Start the next file before closing this one: if it cannot be created,
  // the lines go on into the current file (and the roll-over is tried again
  // with the next line) rather than nowhere.
  const NextName nextName = RollOverName(log, host);
  const std::string path = JoinPath(host.DataFolder(), nextName.Name);
  FileHandle next = OpenForWriting(path);
  if (!next) {
    ReportOnce(log, host, "Cannot create file \"" + path + "\".");
    return;
  }
  log.LastBaseName = nextName.Base;
  log.SameNameCount = nextName.SameNameCount;
  Finish(log.File);
  log.File = std::move(next);
  log.FileName = path;
  log.LineCount = 0;
}

void SetLogCommands(CommandLog& log, Host& host, bool on) {
  log.Enabled = on;
  if (!on) {
    LogClose(log);
    return;
  }
  log.ErrorReported = false;
  // Switching on twice within one second gives the same name: the second
  // file replaces the first.
  log.LastBaseName = LogMakeFileName(host.Now());
  log.SameNameCount = 1;
  LogOpen(log, host, JoinPath(host.DataFolder(), log.LastBaseName));
}

void OptionsLogCommandsItemClick(CommandLog& log, Host& host) { SetLogCommands(log, host, !log.Enabled); }

// ---- Log-file tools ----------------------------------------------------

bool ProcessLogFile(const std::string& logPath, const std::string& outPath) {
  FileHandle in = OpenForReading(logPath);
  if (!in) return false;
  FileHandle out = OpenForWriting(outPath);
  if (!out) return false;
  LineReader reader(in.get());
  std::string_view line;
  bool ok = true;
  while (ok && reader.Next(line)) {
    const auto slash = line.find('\\');
    if (slash == std::string_view::npos) continue;
    const auto lt = line.find('<', slash);
    const std::string_view command = lt == std::string_view::npos ? std::string_view() : line.substr(slash, lt - slash);
    ok = WriteLine(out.get(), TrimView(command));
  }
  ok = !reader.Failed() && ok;
  return Finish(out) && ok;
}

double ScriptDelaySeconds(std::string_view rest) {
  const std::string_view t = TrimView(rest);
  double v = 0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !std::isfinite(v)) return 1.0;
  // Beyond about thirty years the wait could not be counted in milliseconds.
  return std::min(v, 1e9);
}

std::string ScriptPauseText(std::string_view rest) {
  return "Execution Paused:\n\n" + std::string(rest) + "\n\nClick OK to continue";
}

bool ExecuteScript(const std::string& scriptPath, LiveFilter& filter, const ScriptActions& actions) {
  FileHandle in = OpenForReading(scriptPath);
  if (!in) return false;
  const bool filterWasOn = filter.Checked;
  filter.Checked = false;
  double wait = 1.0;
  LineReader reader(in.get());
  std::string_view raw;
  std::string line;
  while (reader.Next(raw)) {
    // The line is copied: a wait below lets other handlers run.
    std::size_t p = 0;
    while (p < raw.size() && (raw[p] == ' ' || raw[p] == '\t')) ++p;
    line.assign(raw.substr(p));
    if (line.empty()) continue;
    switch (line[0]) {
      case '#':
        if (actions.Display) actions.Display(1, line);
        break;
      case 'P':
        if (actions.Display) actions.Display(1, "# " + line);
        if (actions.Pause) actions.Pause(ScriptPauseText(std::string_view(line).substr(1)));
        break;
      case 'D':
        if (actions.Display) actions.Display(1, "# " + line);
        wait = ScriptDelaySeconds(std::string_view(line).substr(1));
        break;
      default:
        if (actions.Send) actions.Send(line);
        if (actions.Delay) actions.Delay(wait);
        break;
    }
  }
  filter.Checked = filterWasOn;
  return !reader.Failed();
}

bool FilterLogFile(DecodeContext& decoder, const FilterCriteria& criteria, const std::string& logPath,
                   const std::string& outPath, const std::function<void()>& pump) {
  FileHandle in = OpenForReading(logPath);
  if (!in) return false;
  FileHandle out = OpenForWriting(outPath);
  if (!out) return false;
  std::setvbuf(out.get(), nullptr, _IOFBF, 1 << 16);
  const bool hex = decoder.HexNumbers;
  LineReader reader(in.get());
  std::string_view L;
  std::string aligned;
  bool ok = true;
  unsigned lines = 0;
  while (ok && reader.Next(L)) {
    if (pump && (++lines & 63u) == 0) pump();
    const auto at = L.find("x :");
    if (at == std::string_view::npos) continue;
    std::string_view message = at + 4 <= L.size() ? L.substr(at + 4) : std::string_view();
    message = message.substr(0, message.find("<CR>"));
    if (message.empty()) continue;
    const char c = message[0];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '\\')) continue;
    const bool transmitted = L.find("Tx :") != std::string_view::npos;
    // The direction test needs no decoding: a line of the wrong direction
    // is dropped before the decoder runs.
    if ((transmitted && criteria.Direction == "1") || (!transmitted && criteria.Direction == "0")) continue;
    const int flags = DecodeShowUnit | DecodeShowNetwork | DecodeShowApplication | DecodeShowMessage |
                      (transmitted ? DecodeTransmitted : 0);
    const std::string decoded = DecodeStoredMessage(decoder, message, flags);
    if (!FilterMessage(criteria, decoded, transmitted, hex)) continue;
    // The decoded text goes under the line, its " = " under the ":" of the
    // direction prefix.
    aligned.assign(at + 1, ' ');
    aligned += " = ";
    aligned += decoded;
    ok = WriteLine(out.get(), L) && WriteLine(out.get(), aligned);
  }
  ok = !reader.Failed() && ok;
  return Finish(out) && ok;
}

void FileProcessLogFileItem(CommandLog& log, Host& host) {
  const auto path = host.ChooseOpenFile(kLogToolOpenTitle, kLogToolOpenFilter);
  if (!path) return;
  SetLogCommands(log, host, false);
  if (!ProcessLogFile(*path, JoinPath(host.DataFolder(), kExecuteFileName)))
    host.Message(MsgIcon::Information, kLogToolError, MsgButtons::Ok);
}

void FileExecuteFile(Host& host, LiveFilter& filter, const ScriptActions& actions) {
  const auto path = host.ChooseOpenFile(kLogToolOpenTitle, kLogToolOpenFilter);
  if (!path) return;
  ScriptActions a = actions;
  if (!a.Pause) a.Pause = [&host](std::string_view text) { host.Message(MsgIcon::Information, text, MsgButtons::Ok); };
  if (!ExecuteScript(*path, filter, a))
    host.Message(MsgIcon::Error, "Cannot open file \"" + *path + "\".", MsgButtons::Ok);
}

void FileFilterLogFileItem(CommandLog& log, Host& host, DecodeContext& decoder,
                           const std::function<std::optional<TCriteriaList>()>& askCriteria) {
  const auto path = host.ChooseOpenFile(kLogToolOpenTitle, kLogToolOpenFilter);
  if (!path) return;
  SetLogCommands(log, host, false);
  const auto criteria = askCriteria ? askCriteria() : std::nullopt;
  if (!criteria) return;
  const std::string out = JoinPath(host.DataFolder(), kFilteredFileName);
  if (!FilterLogFile(decoder, CompileCriteria(*criteria), *path, out, [&host] { host.PumpOnce(); })) {
    host.Message(MsgIcon::Information, kLogToolError, MsgButtons::Ok);
    return;
  }
  host.OpenWithSystemViewer(out);
}

}  // namespace zelvo
