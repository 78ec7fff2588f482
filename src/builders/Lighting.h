#pragma once
// The Lighting tab's builders: field values to lighting command texts, the
// all-groups messages, the random test messages, the run timer's pacing and
// the texts the tab shows. The tab itself only gathers fields.

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

class Host;
class Traffic;
struct RemoteNetworkSelection;
struct RunFlags;

// Command types of LightingMakeCommandString.
enum LightingCommandType : int {
  kLightingNone = 0,
  kLightingOn = 1,
  kLightingOff = 2,
  kLightingRamp = 3,
  kLightingLrnInitRelay = 4,
  kLightingLrnInitDimmer = 5,
  kLightingLrnExitRelay = 6,
  kLightingLrnExitDimmer = 7,
  kLightingLrnCancel = 8,
};

inline constexpr int kLightingRampRates = 16;
// "instantaneously", "over 4 seconds", ... "over 17 minutes".
const std::array<const char*, kLightingRampRates>& LightingRampRateCaptions();
// The ramp command byte of a rate index: 02 + 8 x index.
int LightingRampByte(int rateIndex);

struct RunSpeed {
  const char* Caption;
  int IntervalMs;
  bool FullSpeed;
};
inline constexpr int kRunSpeeds = 4;
const std::array<RunSpeed, kRunSpeeds>& LightingRunSpeeds();
inline constexpr int kDefaultRunSpeed = 1;  // "Medium Speed (1 second)"

// Random test command types.
enum LightingRandomType : int { kRandomOnOff = 0, kRandomOnOffRamp = 1, kRandomConcatenated = 2 };
const std::array<const char*, 3>& LightingRandomTypeCaptions();

// The bytes after the header for a command type (group limited to FF).
std::string LightingCommandBody(int group, int type, int level, int rateIndex);
// The whole command; "" when the remote network path is invalid (reported).
std::string LightingMakeCommandString(const RemoteNetworkSelection& remote, Host& host, int application, int group,
                                      int type, int level, int rateIndex);
// A "Ramp to" command sent at once (the audio tabs' level commands);
// nothing when the remote network path is invalid (reported).
void LightingMakeSendCommand(Traffic& t, int application, int group, int level, int rateIndex);
// "\05" + app + "00" then 09 GG.
std::string LightingTerminateRampString(const RemoteNetworkSelection& remote, Host& host, int application, int group);
// The 32 messages of All On / All Off: 8 commands each, groups 00 to FF.
std::vector<std::string> LightingAllGroupMessages(std::string_view header, int commandByte);
// Sends them 0.2 s apart; `setButtonsEnabled` disables both buttons meanwhile.
void LightingAllGroupCommand(Traffic& t, int application, int commandByte,
                             const std::function<void(bool)>& setButtonsEnabled);

// Random(n) gives 0..n-1; the tab plugs in a seeded generator.
using RandomSource = std::function<int(int)>;
struct RandomRunRange {
  int FromApp = 56, ToApp = 56;
  int FromGroup = 0, ToGroup = 255;
  int CommandType = kRandomConcatenated;
};
// The header of the message's application comes from `header(app)`.
std::string LightingRandomCommand(const RandomRunRange& range, const RandomSource& random,
                                  const std::function<std::string(int)>& header);

// The run timer (toggle and random runs).
struct LightingRun {
  bool Toggle = false;  // "Continuously Toggle"
  bool Run = false;     // "Run" of the random panel
  bool TimerEnabled = false;
  int IntervalMs = 1000;
  int PciWaitCount = 0;
};
inline constexpr int kPciWaitTicks = 20;
inline constexpr const char* kPciTimeoutWarning =
    "Timeout when waiting for a PCI to come available. Perhaps the PCI is dodgy.";

// Ticking or clearing "Continuously Toggle" / "Run", and a speed change.
void LightingSetToggle(LightingRun& run, RunFlags& flags, bool on);
void LightingSetRun(LightingRun& run, RunFlags& flags, bool on);
void LightingSetSpeed(LightingRun& run, RunFlags& flags, int speedIndex);

enum class LightingTick { Wait, Timeout, Toggle, Random };
// One timer tick. On Toggle or Random the caller sends, then calls
// LightingTickDone; on Timeout it shows the warning (both runs are off).
LightingTick LightingRunTimerTick(LightingRun& run, RunFlags& flags);
void LightingTickDone(LightingRun& run);

// The application warning for applications outside 48..127.
bool LightingApplicationNeedsWarning(int application);
std::string LightingApplicationWarningText(bool hexNumbers);

// The user-button label: "GA" + group text + " " + percentage or level.
std::string LightingCommandDescription(std::string_view groupText, int type, int level, bool hexNumbers);

}  // namespace zelvo
