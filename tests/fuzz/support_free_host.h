#pragma once
// A Host for fuzzing: no clock to speak of, every box answered "OK".
#include "shell/Host.h"

namespace zelvo::fuzz {

class QuietHost : public Host {
 public:
  void PumpOnce() override {}
  void Sleep(int ms) override { now_ += ms; }
  std::int64_t TickMs() override { return now_; }
  DateTime Now() override { return {}; }
  std::string ShortDate(const DateTime&) override { return "01/01/2000"; }
  std::string LongTime(const DateTime&) override { return "00:00:00"; }
  MsgResult Message(MsgIcon, std::string_view, MsgButtons) override { return MsgResult::Ok; }
  std::optional<std::string> InputBox(std::string_view, std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> ChooseOpenFile(std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> ChooseSaveFile(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
  void OpenWithSystemViewer(const std::string&) override {}
  std::string DataFolder() override { return "."; }

 private:
  std::int64_t now_ = 0;
};

}  // namespace zelvo::fuzz
