#include "decode/Decoders.h"

namespace zelvo {

namespace {

// A temperature byte counts quarter degrees: one decimal, halves rounded up
// (22.25 shows as 22.3), at least four characters wide, always a "." point.
std::string QuarterDegreesText(int quarters) {
  const int tenths = (quarters * 5 + 1) / 2;  // quarters x 2.5, rounded half up
  std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
  if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
  return text;
}

}  // namespace

std::string DecodeTemperatureBroadcast(DecodeCall& d, int k, int C) {
  switch (C) {
    case 0x02:  // group, temperature
      return "Temp Brdcst: Grp " + d.NS(d.B(k + 1)) + " is at " + QuarterDegreesText(d.B(k + 2)) + " C";
    default: return "Unknown";
  }
}

}  // namespace zelvo
