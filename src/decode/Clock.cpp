#include <iterator>

#include "decode/Decoders.h"

namespace zelvo {

namespace {

// The first parameter of every clock command says what it carries.
constexpr int kTimeIdentifier = 1;
constexpr int kDateIdentifier = 2;
constexpr int kRefreshIdentifier = 3;
constexpr int kUnknownOffset = 255;

constexpr const char* kWeekdays[] = {"Monday ", "Tuesday ",  "Wednesday ", "Thursday ",
                                     "Friday ", "Saturday ", "Sunday "};

// At least two decimal digits, with a leading zero.
std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

// Hours, minutes, seconds, daylight saving offset.
std::string TimeText(const DecodeCall& d, int k) {
  std::string text = "Clocks: Time: " + TwoDigits(d.B(k + 2)) + ":" + TwoDigits(d.B(k + 3)) + ":" +
                     TwoDigits(d.B(k + 4)) + " Daylight Savings Offset: ";
  const int offset = d.B(k + 5);
  return text + (offset == kUnknownOffset ? "Unknown" : std::to_string(offset) + " hour(s)");
}

// Year (16-bit, big-endian), month, day, weekday; shown day/month/year.
std::string DateText(const DecodeCall& d, int k) {
  std::string text = "Clocks: Date: ";
  const int weekday = d.B(k + 6);
  if (weekday < static_cast<int>(std::size(kWeekdays))) text += kWeekdays[weekday];
  return text + std::to_string(d.B(k + 5)) + "/" + std::to_string(d.B(k + 4)) + "/" +
         std::to_string(d.B(k + 2) * 256 + d.B(k + 3));
}

}  // namespace

std::string DecodeClockCommand(DecodeCall& d, int k, int C) {
  switch (C) {
    case 0x0D:
      if (d.B(k + 1) == kTimeIdentifier) return TimeText(d, k);
      break;
    case 0x0E:
      if (d.B(k + 1) == kDateIdentifier) return DateText(d, k);
      break;
    case 0x11:
      if (d.B(k + 1) == kRefreshIdentifier) return "Clocks: Request Refresh";
      break;
    default: break;
  }
  return "Clocks:  Unknown";
}

}  // namespace zelvo
