#pragma once
// The Host port: everything the core needs from the platform under it.
// The Qt layer implements it for real (event pump, message boxes, clocks,
// file choosers); tests implement it with a virtual clock.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvo {

enum class MsgIcon { Error, Warning, Information, Confirmation };
// OkIgnore: a warning the user may silence for good (Ignore).
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, OkIgnore };
enum class MsgResult { Ok, Cancel, Yes, No, Ignore };

// A local wall-clock time, as the user's clock shows it.
struct DateTime {
  int Year = 2000;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  int DayOfWeek = 6;  // 0 = Sunday .. 6 = Saturday
};

class Host {
 public:
  virtual ~Host() = default;

  // Lets the message queue run once: received traffic, timers and user input
  // are processed inside a wait through this call.
  virtual void PumpOnce() = 0;
  virtual void Sleep(int ms) = 0;
  // Monotonic milliseconds; only differences are meaningful.
  virtual std::int64_t TickMs() = 0;
  // The local date and time.
  virtual DateTime Now() = 0;
  // The date part of a time stamp in the user's short date format.
  virtual std::string ShortDate(const DateTime& t) = 0;
  // The time in the user's long time format (hours, minutes, seconds).
  virtual std::string LongTime(const DateTime& t) = 0;

  // A modal message box with a fixed text, icon and buttons.
  virtual MsgResult Message(MsgIcon icon, std::string_view text, MsgButtons buttons) = 0;
  // A modal input box; nullopt when the user cancels.
  virtual std::optional<std::string> InputBox(std::string_view title, std::string_view prompt,
                                              std::string_view initial) = 0;
  // File choosers; nullopt when the user cancels. `filter` is "Text files (*.txt)".
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view filter) = 0;
  virtual std::optional<std::string> ChooseSaveFile(std::string_view title, std::string_view filter,
                                                    std::string_view suggested) = 0;
  // Opens a file with the system's viewer (a text editor, a browser).
  virtual void OpenWithSystemViewer(const std::string& path) = 0;
  // Where the program writes its logs and tool outputs (a writable folder).
  virtual std::string DataFolder() = 0;
};

}  // namespace zelvo
