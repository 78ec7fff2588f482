#pragma once
// Plug-and-play audio (application 205): the audio address packs multiplexer,
// zone and function into one byte; the level byte reads as minutes or
// decibels by function. The audio tabs show values with the same texts.

#include <string>

namespace zelvo {

// Audio functions (bits 0-2 of an ordinary audio address).
enum AudioFunction : int {
  kAudioTimer = 0,
  kAudioVolume = 1,
  kAudioBalance = 2,
  kAudioBass = 3,
  kAudioTreble = 4,
  kAudioMute = 5,
  kAudioControlFunction = 6,
  kAudioUnused = 7,
};

std::string AudioFunctionName(int function);
// "Mux 1, Zone 2" of an audio address byte.
std::string MuxZoneText(int address);
// The value of a level byte for a function: "12 min", "-7.5dB", "64".
std::string AudioLevelText(int level, int function);
std::string MuteLevelText(int level, bool hexNumbers);
std::string ControlFunctionText(int value, bool hexNumbers);

}  // namespace zelvo
