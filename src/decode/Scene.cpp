// Scene management application (C9 hex). Commands address a trigger group
// (TG) and an action selector (AS), and edit the members of a scene (unit,
// group, level) with their fade times and options.

#include <string>

#include "decode/Decoders.h"

namespace zelvo {

namespace {

// Fade time word: the top two bits give the unit of the low fourteen (one
// second while they are clear, so plain seconds reach 3FFF hex; then tens of
// seconds, then minutes); 11 is not a valid unit.
std::string FadeTimeText(int high, int low) {
  const int w = high * 256 + low;
  const int count = w & 0x3FFF;
  switch (w >> 14) {
    case 0: return std::to_string(w) + " sec";
    case 1: return std::to_string(count * 10) + " sec";
    case 2: return std::to_string(count * 60) + " sec";
    default: return "(Invalid Fade time) sec";
  }
}

// Options byte: bit 4 what happens after an off, bit 3 cross-fading, the low
// three bits the inhibit level.
std::string OptionsText(int o) {
  return std::string(", Options=") + (o & 0x10 ? "Off+Modify" : "Off-NoModAfter") +
         (o & 0x08 ? ", Cross-Fade" : ", Normal") + ", Inh:" + std::to_string(o & 7);
}

// A fade amount in percent, two's complement: always decimal, since it is a
// signed change and not a bus number.
std::string AmountText(int a) { return std::to_string(a >= 0x80 ? a - 0x100 : a); }

std::string LevelHandlingText(int b) { return b & 0x01 ? ", Ignore Levels" : ", Accept Levels"; }

}  // namespace

std::string DecodeSceneCommand(DecodeCall& d, int k, int C) {
  auto B = [&](int i) { return static_cast<int>(d.B(k + i)); };
  auto N = [&](int i) { return d.NS(B(i)); };
  std::string text = "Scn: ";
  switch (C) {
    case 0x05:
      return text + "Fade TG=" + N(1) + ", Amount=" + AmountText(B(2)) + "%, Time=" + FadeTimeText(B(3), B(4)) +
             OptionsText(B(5));
    case 0x0D:
      return text + "SuperSet TG=" + N(1) + ", AS=" + N(2) + ", Time=" + FadeTimeText(B(3), B(4)) + OptionsText(B(5));
    case 0x14: return text + "Off TG=" + N(1) + ", Time=" + FadeTimeText(B(2), B(3)) + OptionsText(B(4));
    case 0x3A: return text + "SavChngs TG=" + N(1) + ", AS=" + N(2);
    case 0x45: return text + "AddGrp TG=" + N(1) + ", AS=" + N(2) + ", UA=" + N(3) + ", GA=" + N(4) + ", Lvl=" + N(5);
    case 0x4F:
      return text + "EditGrp TG=" + N(1) + ", AS=" + N(2) + ", GA=" + N(3) + OptionsText(B(4)) + ", Lvl=" + N(5) +
             ", Time=" + FadeTimeText(B(6), B(7));
    case 0x54: return text + "DeleteGrp TG=" + N(1) + ", AS=" + N(2) + ", UA=" + N(3) + ", GA=" + N(4);
    case 0x5A: return text + LevelHandlingText(B(1)) + " on UA " + N(2);
    case 0x79: return text + "DiscoverTrig Code=" + N(1);
    case 0x7A: return text + "DiscoverAS Code=" + N(1) + " TG=" + N(2);
    case 0x7B: return text + "DiscoverTags Code=" + N(1) + " TG=" + N(2) + " AS=" + N(3);
    default: return text + "Unknown";
  }
}

}  // namespace zelvo
