#pragma once
// A Host with a virtual clock: Sleep advances time, PumpOnce runs whatever
// the test plugged in (typically a simulated interface delivering its bytes).
// Message boxes are recorded and answered from a queue.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/Host.h"

namespace zelvo::test {

struct RecordedMessage {
  MsgIcon Icon;
  std::string Text;
  MsgButtons Buttons;
};

class FakeHost : public Host {
 public:
  void PumpOnce() override {
    ++pumps;
    if (onPump) onPump();
  }
  void Sleep(int ms) override { clockMs += ms; }
  std::int64_t TickMs() override { return clockMs; }
  DateTime Now() override;
  std::string ShortDate(const DateTime& t) override;
  std::string LongTime(const DateTime& t) override;
  MsgResult Message(MsgIcon icon, std::string_view text, MsgButtons buttons) override;
  std::optional<std::string> InputBox(std::string_view title, std::string_view prompt,
                                      std::string_view initial) override;
  std::optional<std::string> ChooseOpenFile(std::string_view, std::string_view) override;
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view, std::string_view) override;
  void OpenWithSystemViewer(const std::string& path) override { opened.push_back(path); }
  std::string DataFolder() override { return dataFolder; }

  // The wall clock starts at this time and moves with the virtual clock.
  DateTime start{2026, 12, 11, 9, 5, 7, 300, 5};
  std::int64_t clockMs = 0;
  int pumps = 0;
  std::function<void()> onPump;
  std::vector<RecordedMessage> messages;
  std::deque<MsgResult> answers;                  // default: Ok / Yes
  std::deque<std::optional<std::string>> inputs;  // input boxes and file choosers
  std::vector<std::string> opened;
  std::string dataFolder = ".";
};

}  // namespace zelvo::test
