#include "decode/Audio.h"

#include <array>
#include <cstdlib>
#include <string_view>

#include "decode/Decoders.h"
#include "decode/Lighting.h"

namespace zelvo {

namespace {

struct CodeText {
  int Code;
  std::string_view Text;
};

// Function bits -> name.
constexpr std::array<std::string_view, 8> kFunctionNames{
    "Timer", "Volume", "Balance", "Bass", "Treble", "Mute", "Control Function", "UNUSED",
};

// Function bits of a label command's address -> what the label names.
constexpr std::array<std::string_view, 8> kLabelKinds{
    "Feed", "Dynamic 1", "Dynamic 2", "Zone", "Unused Label", "Unused Label", "Unused Label", "Unused Label",
};

// Mute function level -> what stays powered.
constexpr std::array<CodeText, 5> kMuteLevels{{
    {0, "Amp Off"},
    {2, "Preamp Only"},
    {5, "Preamp Only, Preset Level"},
    {7, "Preset Level"},
    {255, "All On"},
}};

// Control function level -> the key or input it stands for.
constexpr std::array<CodeText, 7> kControlFunctions{{
    {0, "Dynamic 1 Pressed"},
    {2, "Next Feed"},
    {5, "Previous Feed"},
    {12, "DAD Input"},
    {15, "TOSLINK Input"},
    {17, "Next Language"},
    {255, "Dynamic 2 Pressed"},
}};

// Preamp gain (bits 3-5 of the command byte) -> text.
constexpr std::array<std::string_view, 5> kPreampGains{"0 dB", "+6 dB", "+3 dB", "-3 dB", "-6 dB"};

std::string_view Find(const auto& table, int code) {
  for (const auto& e : table)
    if (e.Code == code) return e.Text;
  return {};
}

std::string Dec(int v) { return std::to_string(v); }

// The volume curve, in eighths of a decibel so that every step is exact:
// 2 dB steps at the bottom, then 1, 1/2, 1/4 and 1/8 dB towards the top.
int VolumeEighthsDb(int x) {
  if (x <= 15) return (2 * x - 70) * 8;
  if (x <= 31) return (x - 16 - 38) * 8;
  if (x <= 57) return (x - 32) * 4 - 22 * 8;
  if (x <= 108) return (x - 58) * 2 - 9 * 8;
  return (x - 108) + 28;  // 3.5 dB = 28 eighths
}

// Eighths of a decibel with one decimal, halves rounded away from zero.
std::string DbText(int eighths) {
  const int tenths = (std::abs(eighths) * 5 + 2) / 4;
  std::string text = (eighths < 0 && tenths != 0) ? "-" : "";
  return text + Dec(tenths / 10) + "." + Dec(tenths % 10) + "dB";
}

std::string PreampGainText(int gain) {
  if (gain >= 0 && gain < static_cast<int>(kPreampGains.size()))
    return std::string(kPreampGains[static_cast<std::size_t>(gain)]);
  return "Unsupported Value";
}

// One audio command: C at position k with the audio address g. The level
// byte is read only where a text needs it, like every other field.
struct AudioCommand {
  DecodeCall& d;
  int k;
  int C;
  int g;
  int V() const { return d.B(k + 2); }
  bool Hex() const { return d.Hex(); }
};

// The lighting-style command on an audio function: off, on, terminate, or a
// ramp to the level byte; rampAllowed shows the ramp's rate.
std::string AudioCommandText(const AudioCommand& a, int function, bool rampAllowed) {
  switch (a.C) {
    case 0x01: return "Off";
    case 0x09: return "Terminate Ramp";
    case 0x79: return "On";
    default: break;
  }
  if (!IsRampCommand(a.C)) return {};
  if (rampAllowed && a.C != 0x02)
    return "Ramp to " + AudioLevelText(a.V(), function) + " at " + std::string(RampRateText(a.C)) + " rate";
  return "Set to " + AudioLevelText(a.V(), function);
}

// The control function keys travel as lighting commands: a set carries the
// key in its level byte, off and on stand for the two dynamic keys.
std::string ControlFunctionCommandText(const AudioCommand& a) {
  switch (a.C) {
    case 0x01: return ControlFunctionText(0, a.Hex());
    case 0x02: return ControlFunctionText(a.V(), a.Hex());
    case 0x09: return "Control Function Terminate Ramp -- illegal Application Use";
    case 0x79: return ControlFunctionText(255, a.Hex());
    default: break;
  }
  if (IsRampCommand(a.C))
    return "Ramp to " + ControlFunctionText(a.V(), a.Hex()) + " at " + std::string(RampRateText(a.C)) +
           " rate -- illegal Application Use";
  return {};
}

// Ordinary addresses (below 192): mux, zone and function.
std::string FunctionCommandText(const AudioCommand& a) {
  const int f = a.g & 7;
  std::string text = MuxZoneText(a.g) + ", ";
  switch (f) {
    case kAudioMute: return text + MuteLevelText(a.V(), a.Hex());  // whatever the command byte
    case kAudioControlFunction: return text + ControlFunctionCommandText(a);
    default: return text + AudioFunctionName(f) + " " + AudioCommandText(a, f, true);
  }
}

// Global addresses (192 and up); several carry their own audio address in
// the level byte, and some a small value in bits 3-5 of the command byte.
std::string GlobalCommandText(const AudioCommand& a) {
  const int commandBits = (a.C >> 3) & 7;
  switch (a.g) {
    case 192:
    case 193:
    case 194:
      return "Hi Priority Mux " + Dec(a.g - 192) + ", All Zones, Set Feed " + Dec(commandBits) + ", Volume " +
             AudioCommandText(a, kAudioVolume, false);
    case 224: return MuxZoneText(a.V()) + ", Zone Label Request";
    case 226: return MuxZoneText(a.V()) + ", Feed Label Request";
    case 227: return "Global Status Request";
    case 229:
      if (a.C == 0x01 || (IsRampCommand(a.C) && a.V() == 0)) return "Global Amplifier Off Command";
      return "Non-Zero Level on Global Amplifier Off Group, IGNORED";
    case 230: {
      const int v = a.V();
      return MuxZoneText(v) + ", " + ((v & 7) == 0 ? "Overtemp Error" : "Error Code " + Dec(v & 7));
    }
    case 231: return MuxZoneText(a.V()) + ", Feed Request";
    case 232: {
      const int v = a.V();
      return MuxZoneText(v) + ", Current Feed " + Dec(v & 7) + ", Preamp Gain " + PreampGainText(commandBits);
    }
    case 233: {
      const int v = a.V();
      return MuxZoneText(v) + ", Set Feed " + Dec(v & 7) + ", " +
             ((commandBits & 1) ? "Suppress Labels" : "Don't Suppress Labels");
    }
    default: return "Unknown";
  }
}

}  // namespace

std::string AudioFunctionName(int function) {
  return std::string(kFunctionNames[static_cast<std::size_t>(function & 7)]);
}

std::string MuxZoneText(int address) { return "Mux " + Dec(address >> 6) + ", Zone " + Dec((address >> 3) & 7); }

std::string AudioLevelText(int level, int function) {
  switch (function) {
    case kAudioTimer: return Dec(level) + " min";
    case kAudioVolume: return DbText(VolumeEighthsDb(level));
    case kAudioBalance:
    case kAudioBass:
    case kAudioTreble: return DbText((level / 4) * 4 - 16 * 8);  // 0.5 dB steps from -16.0
    default: return Dec(level);
  }
}

std::string MuteLevelText(int level, bool hexNumbers) {
  const std::string_view text = Find(kMuteLevels, level);
  if (!text.empty()) return std::string(text);
  return "Unknown Mute Level " + LevelText(level, hexNumbers);
}

std::string ControlFunctionText(int value, bool hexNumbers) {
  const std::string_view text = Find(kControlFunctions, value);
  if (!text.empty()) return std::string(text);
  return "Unknown Control Function " + LevelText(value, hexNumbers);
}

std::string DecodeAudioCommand(DecodeCall& d, int k, int C) {
  const AudioCommand a{d, k, C, d.B(k + 1)};
  const std::string text = "MRA: ";
  if (C >= 0xA0 && C <= 0xBF)
    return text + MuxZoneText(a.g) + ", Label " + std::string(kLabelKinds[static_cast<std::size_t>(a.g & 7)]) + ", " +
           DecodeLabelOptions(d, k, C, false);
  if (a.g < 192) return text + FunctionCommandText(a);
  return text + GlobalCommandText(a);
}

}  // namespace zelvo
