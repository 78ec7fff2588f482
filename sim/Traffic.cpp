#include "sim/Traffic.h"

#include <array>
#include <string_view>

namespace zelvo::sim {

namespace {

enum Kind {
  kLighting,
  kTrigger,
  kEnable,
  kHvac,
  kSecurity,
  kAccess,
  kClock,
  kTelephony,
  kMeasurement,
  kAudio,
  kMedia,
  kShortInfo,
  kError,
  kTemperature,
  kScene,
  kStatus,
  kKindCount
};

// The application each kind of traffic belongs to (lighting picks its own).
constexpr std::array<int, kKindCount> kKindApplication = {0x38, 0xCA, 0xCB, 0xAC, 0xD0, 0xD5, 0xDF, 0xE0,
                                                          0xE4, 0xCD, 0xC0, 0xAD, 0xCE, 0x19, 0xC9, 0x38};

constexpr std::array<std::string_view, 4> kTrackNames = {"Blue Train", "Autumn Leaves in the Rain",
                                                         "Harbour Lights at Midnight Again", "Nocturne No. 2"};
constexpr std::array<std::string_view, 3> kInfoTexts = {"Fine", "Showers clearing later in the afternoon",
                                                        "Dinner is served in the main hall at seven"};

std::uint8_t B(int v) { return static_cast<std::uint8_t>(v); }

const std::vector<int>* GroupsOf(const TrafficSource& s, int app) {
  if (!s.Groups) return nullptr;
  auto it = s.Groups->find(app);
  return it == s.Groups->end() || it->second.empty() ? nullptr : &it->second;
}

int PickGroup(Rng& rng, const TrafficSource& s, int app) {
  const auto* groups = GroupsOf(s, app);
  return groups ? (*groups)[static_cast<std::size_t>(rng.Below(static_cast<int>(groups->size())))] : rng.Below(256);
}

// Splits text into packets of at most 11 characters, as the tool's own
// senders do.
std::vector<std::string_view> Packets(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t i = 0; i < text.size(); i += 11) parts.push_back(text.substr(i, 11));
  if (parts.empty()) parts.push_back({});
  return parts;
}

}  // namespace

std::optional<TrafficMessage> TrafficGenerator::Next(Rng& rng, const std::vector<TrafficSource>& sources,
                                                     std::int64_t clockSeconds, bool statusReports) {
  if (!burst_.empty()) {
    TrafficMessage m = std::move(burst_.front());
    burst_.pop_front();
    return m;
  }
  if (sources.empty()) return std::nullopt;

  int kind = rng.Below(statusReports ? kKindCount : kKindCount - 1);
  int app = kKindApplication[static_cast<std::size_t>(kind)];

  // Prefer a unit that serves the application; lighting and status reports
  // need one (they come from the units that hold the groups).
  std::vector<const TrafficSource*> candidates;
  for (const auto& s : sources) {
    if (kind == kLighting || kind == kStatus) {
      if (s.Groups)
        for (const auto& [a, groups] : *s.Groups)
          if (IsLightingApplication(a) && !groups.empty()) {
            candidates.push_back(&s);
            break;
          }
    } else if (GroupsOf(s, app)) {
      candidates.push_back(&s);
    }
  }
  if (candidates.empty()) {
    if (kind == kLighting || kind == kStatus) kind = kTrigger, app = 0xCA;
    for (const auto& s : sources) candidates.push_back(&s);
  }
  const TrafficSource& src = *candidates[static_cast<std::size_t>(rng.Below(static_cast<int>(candidates.size())))];

  TrafficMessage m;
  m.Network = src.Network;
  m.Source = src.Address;
  m.Application = app;
  Bytes& c = m.Commands;

  switch (kind) {
    case kLighting:
    case kStatus: {
      std::vector<int> lit;
      for (const auto& [a, groups] : *src.Groups)
        if (IsLightingApplication(a) && !groups.empty()) lit.push_back(a);
      m.Application = lit[static_cast<std::size_t>(rng.Below(static_cast<int>(lit.size())))];
      if (kind == kStatus) {
        m.StatusReport = true;
        break;
      }
      int g = PickGroup(rng, src, m.Application);
      switch (rng.Below(4)) {
        case 0: c = {0x79, B(g)}; break;
        case 1: c = {0x01, B(g)}; break;
        default: c = {B(0x02 + 8 * rng.Below(16)), B(g), rng.Byte()}; break;
      }
      break;
    }
    // Trigger, enable and audio speak the lighting set: set a level, on, off.
    case kTrigger:
    case kEnable:
    case kAudio: {
      int g = PickGroup(rng, src, app);
      if (rng.Below(2))
        c = {0x02, B(g), rng.Byte()};
      else
        c = {rng.Below(2) ? B(0x79) : B(0x01), B(g)};
      break;
    }
    case kHvac: {
      int g = PickGroup(rng, src, app);
      if (rng.Below(3)) {
        int temp = (18 + rng.Below(8)) * 256 + rng.Below(256);  // 18 to 26 degrees, in 1/256
        c = {0x15, B(g), 0x01, B(temp >> 8), B(temp), 0x00};
      } else {
        c = {rng.Below(2) ? B(0x79) : B(0x01), B(g)};
      }
      break;
    }
    case kSecurity: {
      static constexpr std::array<int, 5> kOff = {128, 131, 132, 139, 145};
      static constexpr std::array<int, 3> kOn = {131, 139, 146};
      switch (rng.Below(3)) {
        case 0: c = {0x01, B(kOff[static_cast<std::size_t>(rng.Below(5))])}; break;
        case 1: c = {0x79, B(kOn[static_cast<std::size_t>(rng.Below(3))])}; break;
        default: c = {0x0A, B(134 + rng.Below(2)), B(1 + rng.Below(16))}; break;  // zone unsealed / sealed
      }
      break;
    }
    case kAccess:
      if (rng.Below(2))
        c = {0x22, 0x01, B(1 + rng.Below(8))};  // point closed
      else
        c = {0xA5, 0x01, B(1 + rng.Below(8)), B(1 + rng.Below(2)), rng.Byte(), rng.Byte()};  // valid request
      break;
    case kClock: {
      std::int64_t t = ((clockSeconds % 86400) + 86400) % 86400;
      if (rng.Below(2))
        c = {0x0D, 0x01, B(static_cast<int>(t / 3600)), B(static_cast<int>(t / 60 % 60)), B(static_cast<int>(t % 60)),
             0xFF};
      else
        c = {0x0E, 0x02, 0x07, 0xEA, 0x0C, 0x0B, 0x04};  // Friday 11/12/2026
      break;
    }
    case kTelephony:
      if (rng.Below(2)) {
        c = {0x09, 0x01};  // line on hook
      } else {
        std::string_view number = "0398765432";
        c = {B(0x80 + 2 + static_cast<int>(number.size())), 0x05, 0x00};  // ringing, then the caller's number
        for (char ch : number) c.push_back(static_cast<std::uint8_t>(ch));
      }
      break;
    case kMeasurement: {
      int value = 200 + rng.Below(60);  // 20.0 to 25.9 degrees
      c = {0x0E, 0x01, B(1 + rng.Below(4)), 0x00, 0xFF, B(value >> 8), B(value)};
      break;
    }
    case kMedia: {
      int mlg = PickGroup(rng, src, app);
      if (rng.Below(3)) {
        c = {rng.Below(2) ? B(0x79) : B(0x01), B(mlg)};
        break;
      }
      auto parts = Packets(kTrackNames[static_cast<std::size_t>(rng.Below(static_cast<int>(kTrackNames.size())))]);
      int total = static_cast<int>(parts.size());
      for (int p = 0; p < total; ++p) {
        TrafficMessage packet = m;
        auto part = parts[static_cast<std::size_t>(p)];
        packet.Commands = {B(0x80 + 2 + static_cast<int>(part.size())), B(mlg), B(p | ((total - 1) << 2))};
        for (char ch : part) packet.Commands.push_back(static_cast<std::uint8_t>(ch));
        burst_.push_back(std::move(packet));
      }
      m = std::move(burst_.front());
      burst_.pop_front();
      break;
    }
    case kShortInfo: {
      int which = rng.Below(static_cast<int>(kInfoTexts.size()));
      auto parts = Packets(kInfoTexts[static_cast<std::size_t>(which)]);
      int total = static_cast<int>(parts.size());
      int service = which == 0 ? 1 : 0;  // a weather forecast carries a number and a symbol
      for (int p = 0; p < total; ++p) {
        TrafficMessage packet = m;
        Bytes body = {B(p | ((total - 1) << 3))};
        if (p == 0 && service == 1) {
          int tenths = 150 + rng.Below(200);
          body.insert(body.end(), {0xC1, B(tenths >> 8), B(tenths), B(rng.Below(4))});
        } else {
          body.push_back(B(service));
        }
        for (char ch : parts[static_cast<std::size_t>(p)]) body.push_back(static_cast<std::uint8_t>(ch));
        packet.Commands = {B(0x80 + static_cast<int>(body.size()))};
        packet.Commands.insert(packet.Commands.end(), body.begin(), body.end());
        burst_.push_back(std::move(packet));
      }
      m = std::move(burst_.front());
      burst_.pop_front();
      break;
    }
    case kError: {
      static constexpr std::array<int, 4> kCategories = {0xD4, 0xD0, 0x50, 0xDA};
      int severity = rng.Below(4);
      c = {0x15,      B(kCategories[static_cast<std::size_t>(rng.Below(4))]), B(0x20 | severity), B(src.Address), 0x00,
           rng.Byte()};
      break;
    }
    case kTemperature:
      c = {0x02, B(PickGroup(rng, src, app)), B(72 + rng.Below(30))};  // 18.0 to 25.3 degrees in quarters
      break;
    case kScene:
      if (rng.Below(2))
        c = {0x79, B(rng.Below(16))};
      else
        c = {0x3A, B(PickGroup(rng, src, app)), B(rng.Below(8))};
      break;
    default: break;
  }
  return m;
}

}  // namespace zelvo::sim
