#include "builders/Lighting.h"

#include "decode/Lighting.h"

#include "link/Codec.h"
#include "link/Traffic.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

// Ramp rate index -> caption; the command byte is 02 + 8 x index.
constexpr std::array<const char*, kLightingRampRates> kRampRateCaptions = {
    "instantaneously", "over 4 seconds",  "over 8 seconds",   "over 12 seconds", "over 20 seconds", "over 30 seconds",
    "over 40 seconds", "over 1 minute",   "over 1.5 minutes", "over 2 minutes",  "over 3 minutes",  "over 5 minutes",
    "over 7 minutes",  "over 10 minutes", "over 15 minutes",  "over 17 minutes",
};

constexpr std::array<RunSpeed, kRunSpeeds> kRunSpeedTable = {{
    {"Slow Speed (3 seconds)", 3000, false},
    {"Medium Speed (1 second)", 1000, false},
    {"Fast Speed (300 ms)", 300, false},
    {"Full Speed", 20, true},
}};

constexpr std::array<const char*, 3> kRandomTypes = {"On & Off", "On, Off & Ramp", "On, Off, Ramp & Concatenated"};

std::string Hex(int v) { return HexOfSize(v & 0xFF, 1); }

// Learn commands: 03, the learn code, the group, and the checksum of the two.
std::string LearnBody(int code, const std::string& gg) {
  std::string body = Hex(code) + gg;
  return "03" + body + MakeChecksum(body);
}

}  // namespace

const std::array<const char*, kLightingRampRates>& LightingRampRateCaptions() { return kRampRateCaptions; }
int LightingRampByte(int rateIndex) { return 0x02 + 8 * (rateIndex & 0x0F); }
const std::array<RunSpeed, kRunSpeeds>& LightingRunSpeeds() { return kRunSpeedTable; }
const std::array<const char*, 3>& LightingRandomTypeCaptions() { return kRandomTypes; }

std::string LightingCommandBody(int group, int type, int level, int rateIndex) {
  const std::string gg = HexByte(HexOfSize(group < 0 ? 0 : group, 1));
  switch (type) {
    case kLightingOn: return "79" + gg;
    case kLightingOff: return "01" + gg;
    case kLightingRamp: return Hex(LightingRampByte(rateIndex)) + gg + Hex(level);
    case kLightingLrnInitRelay: return LearnBody(0x01, gg);
    case kLightingLrnInitDimmer: return LearnBody(0x02, gg);
    case kLightingLrnExitRelay: return LearnBody(0x81, gg);
    case kLightingLrnExitDimmer: return LearnBody(0x82, gg);
    case kLightingLrnCancel: return LearnBody(0x80, gg);
    default: return {};
  }
}

std::string LightingMakeCommandString(const RemoteNetworkSelection& remote, Host& host, int application, int group,
                                      int type, int level, int rateIndex) {
  const std::string header = SALHeader(remote, host, application);
  if (header.empty()) return {};
  return header + LightingCommandBody(group, type, level, rateIndex);
}

void LightingMakeSendCommand(Traffic& t, int application, int group, int level, int rateIndex) {
  const std::string command = LightingMakeCommandString(t.GetSession().User.Remote, t.GetHost(), application, group,
                                                        kLightingRamp, level, rateIndex);
  if (!command.empty()) t.SendZelvoCommand(command);
}

std::string LightingTerminateRampString(const RemoteNetworkSelection& remote, Host& host, int application, int group) {
  const std::string header = SALHeader(remote, host, application);
  if (header.empty()) return {};
  return header + "09" + Hex(group);
}

std::vector<std::string> LightingAllGroupMessages(std::string_view header, int commandByte) {
  std::vector<std::string> messages;
  messages.reserve(32);
  for (int block = 0; block < 32; ++block) {
    std::string text(header);
    for (int j = 0; j < 8; ++j) text += Hex(commandByte) + Hex(block * 8 + j);
    messages.push_back(std::move(text));
  }
  return messages;
}

void LightingAllGroupCommand(Traffic& t, int application, int commandByte,
                             const std::function<void(bool)>& setButtonsEnabled) {
  if (setButtonsEnabled) setButtonsEnabled(false);
  Session& s = t.GetSession();
  const std::string header = SALHeader(s.User.Remote, t.GetHost(), application);
  if (!header.empty()) {
    for (const auto& message : LightingAllGroupMessages(header, commandByte)) {
      t.SendZelvoCommand(message);
      t.Delay(0.2);
    }
  }
  if (setButtonsEnabled) setButtonsEnabled(true);
}

std::string LightingRandomCommand(const RandomRunRange& range, const RandomSource& random,
                                  const std::function<std::string(int)>& header) {
  auto pick = [&](int from, int to) { return to >= from ? from + random(to - from + 1) : from; };
  const int count = range.CommandType == kRandomConcatenated ? random(4) + 1 : 1;
  const int kinds = range.CommandType == kRandomOnOff ? 2 : 5;
  std::string text = header(pick(range.FromApp, range.ToApp));
  if (text.empty()) return {};
  for (int i = 0; i < count; ++i) {
    const int kind = random(kinds);
    const std::string gg = Hex(pick(range.FromGroup, range.ToGroup));
    switch (kind) {
      case 0: text += "79" + gg; break;
      case 1: text += "01" + gg; break;
      // Ramps instantaneously, over 4 and over 8 seconds to a random level.
      default: text += Hex(LightingRampByte(kind - 2)) + gg + Hex(random(255)); break;
    }
  }
  return text;
}

void LightingSetToggle(LightingRun& run, RunFlags& flags, bool on) {
  run.Toggle = on;
  run.TimerEnabled = on;
  flags.RunActive = on;
  if (on && flags.FullSpeedRun) flags.PciReady = true;
}

void LightingSetRun(LightingRun& run, RunFlags& flags, bool on) {
  run.Run = on;
  run.TimerEnabled = on;
  flags.RunActive = on;
  if (on && flags.FullSpeedRun) flags.PciReady = true;
}

void LightingSetSpeed(LightingRun& run, RunFlags& flags, int speedIndex) {
  if (speedIndex < 0 || speedIndex >= kRunSpeeds) speedIndex = kDefaultRunSpeed;
  const auto& speed = kRunSpeedTable[static_cast<std::size_t>(speedIndex)];
  run.IntervalMs = speed.IntervalMs;
  flags.FullSpeedRun = speed.FullSpeed;
  if (flags.FullSpeedRun && flags.RunActive) flags.PciReady = true;
}

LightingTick LightingRunTimerTick(LightingRun& run, RunFlags& flags) {
  if (flags.FullSpeedRun) {
    if (flags.PciReady) {
      run.PciWaitCount = 0;
      flags.PciReady = false;
    } else if (run.PciWaitCount >= kPciWaitTicks) {
      run.Toggle = false;
      run.Run = false;
      run.TimerEnabled = false;
      flags.RunActive = false;
      return LightingTick::Timeout;
    } else {
      ++run.PciWaitCount;
      return LightingTick::Wait;
    }
  }
  run.TimerEnabled = false;
  return run.Toggle ? LightingTick::Toggle : LightingTick::Random;
}

void LightingTickDone(LightingRun& run) { run.TimerEnabled = run.Toggle || run.Run; }

bool LightingApplicationNeedsWarning(int application) { return application < 48 || application > 127; }

std::string LightingApplicationWarningText(bool hexNumbers) {
  return "Use of Application Addresses outside the range " + NumberString(48, hexNumbers) + " to " +
         NumberString(127, hexNumbers) + " may cause undesirable effects.\n\r" +
         "Click Ignore to stop this message from displaying again.";
}

std::string LightingCommandDescription(std::string_view groupText, int type, int level, bool hexNumbers) {
  const int value = type == kLightingOn ? 255 : type == kLightingOff ? 0 : level;
  std::string text = "GA" + std::string(groupText) + " ";
  const int percent = LevelToPercent(value);
  if (PercentToLevel(percent) == value)
    text += std::to_string(percent) + "%";
  else
    text += NumberString(value, hexNumbers);
  return text;
}

}  // namespace zelvo
