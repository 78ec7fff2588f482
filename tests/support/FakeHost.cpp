#include "support/FakeHost.h"

#include <cstdio>

namespace zelvo::test {

namespace {
bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
int DaysIn(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}
}  // namespace

DateTime FakeHost::Now() {
  DateTime t = start;
  std::int64_t ms = t.Millisecond + clockMs;
  t.Millisecond = static_cast<int>(ms % 1000);
  std::int64_t s = t.Second + ms / 1000;
  t.Second = static_cast<int>(s % 60);
  std::int64_t m = t.Minute + s / 60;
  t.Minute = static_cast<int>(m % 60);
  std::int64_t h = t.Hour + m / 60;
  t.Hour = static_cast<int>(h % 24);
  std::int64_t days = h / 24;
  while (days-- > 0) {
    t.DayOfWeek = (t.DayOfWeek + 1) % 7;
    if (++t.Day > DaysIn(t.Year, t.Month)) {
      t.Day = 1;
      if (++t.Month > 12) {
        t.Month = 1;
        ++t.Year;
      }
    }
  }
  return t;
}

std::string FakeHost::ShortDate(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", t.Day, t.Month, t.Year);
  return buf;
}

std::string FakeHost::LongTime(const DateTime& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.Hour, t.Minute, t.Second);
  return buf;
}

MsgResult FakeHost::Message(MsgIcon icon, std::string_view text, MsgButtons buttons) {
  messages.push_back({icon, std::string(text), buttons});
  if (!answers.empty()) {
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes : MsgResult::Ok;
}

std::optional<std::string> FakeHost::InputBox(std::string_view, std::string_view, std::string_view) {
  if (inputs.empty()) return std::nullopt;
  auto v = inputs.front();
  inputs.pop_front();
  return v;
}

std::optional<std::string> FakeHost::ChooseOpenFile(std::string_view, std::string_view) { return InputBox({}, {}, {}); }

std::optional<std::string> FakeHost::ChooseSaveFile(std::string_view, std::string_view, std::string_view) {
  return InputBox({}, {}, {});
}

}  // namespace zelvo::test
