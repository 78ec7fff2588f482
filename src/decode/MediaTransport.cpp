#include "decode/MediaTransport.h"

#include "decode/MessageChars.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "decode/Decoders.h"
#include "link/Codec.h"

namespace zelvo {

namespace {

constexpr int kKeyLength = 12;

// Fast-forward and rewind speeds: even codes only, anything else is reserved.
constexpr std::array<const char*, 7> kSpeeds = {" Normal", " 2x", " 4x", " 8x", " 16x", " 32x", " 64x"};

constexpr std::array<const char*, 3> kListTypes = {"Categories, ", "Selections, ", "Tracks, "};

// Which name of the playlist a name packet describes.
constexpr std::array<const char*, 8> kNamePositions = {" Current",   " Next", " Next+1", " Reserved1",
                                                       " Reserved2", " Prev", " Prev-1", " Enumerate"};

// The kind of name, by the 32-code block of the command byte (80, A0, C0).
constexpr std::array<const char*, 3> kNameKinds = {"Track", "Selection", "Category"};

std::string SpeedText(int v) {
  if (v % 2 == 0 && v / 2 < static_cast<int>(kSpeeds.size())) return kSpeeds[static_cast<std::size_t>(v / 2)];
  return "reserved";
}

std::string ListTypeText(int v) {
  if (v < static_cast<int>(kListTypes.size())) return kListTypes[static_cast<std::size_t>(v)];
  return "Unknown-type, ";
}

std::uint32_t BigEndian32(const DecodeCall& d, int s) {
  return (std::uint32_t{d.B(s)} << 24) | (std::uint32_t{d.B(s + 1)} << 16) | (std::uint32_t{d.B(s + 2)} << 8) |
         std::uint32_t{d.B(s + 3)};
}

// A 32-bit count in the user's number format; the full unsigned range shows
// as itself (the int of NumberString would turn the top half negative).
std::string Count32(const DecodeCall& d, int s) {
  const std::uint32_t v = BigEndian32(d, s);
  return d.Hex() ? HexOfSize(v, 1) : std::to_string(v);
}

// A packet of a track, selection or category name; the last packet of a
// name also shows the whole name, put together from the packets seen.
std::string NamePacket(DecodeCall& d, int k, int C, const std::string& M) {
  const int packetByte = d.B(k + 2);
  const int P = (packetByte & 3) + 1;
  const int T = ((packetByte >> 2) & 3) + 1;
  const int W = (packetByte >> 4) & 7;
  const int G = d.B(k + 1);
  const std::string piece = MessageCharsText(d, k + 3, (C & 0x1F) - 2);

  std::string text = std::string(kNameKinds[static_cast<std::size_t>((C - 0x80) / 0x20)]) + " Name on MLG " + M +
                     kNamePositions[static_cast<std::size_t>(W)] + ", Packet " + std::to_string(P) + " of " +
                     std::to_string(T) + ", \"" + piece + "\"";

  MediaNameFragments& names = d.Ctx.MediaNames;
  const std::string prefix = MediaNameFragments::KeyPrefix(G, W);
  if (T == 1) {
    names.RemovePrefix(prefix);
    return text;
  }
  names.Add(MediaNameFragments::Key(G, W, P), piece);
  if (P == T) {
    std::string whole;
    for (int j = 1; j <= T; ++j) {
      auto part = names.Take(MediaNameFragments::Key(G, W, j));
      whole += part ? *part : " ... ";
    }
    text += ", complete = \"" + whole + "\"";
    names.RemovePrefix(prefix);
  }
  return text;
}

}  // namespace

std::string MediaNameFragments::Key(int group, int position, int packet) {
  return KeyPrefix(group, position) + Hex2(packet) + "|";
}

std::string MediaNameFragments::KeyPrefix(int group, int position) {
  return Hex2(group) + "|" + Hex2(0) + "|" + Hex2(position) + "|";
}

void MediaNameFragments::Add(std::string_view key, std::string_view text) {
  while (fEntries.size() >= kMaxEntries) fEntries.pop_front();
  std::string entry(key);
  entry += text;
  fEntries.push_back(std::move(entry));
}

void MediaNameFragments::RemovePrefix(std::string_view prefix) {
  std::erase_if(fEntries, [&](const std::string& e) { return std::string_view(e).substr(0, prefix.size()) == prefix; });
}

std::optional<std::string> MediaNameFragments::Take(std::string_view key) {
  auto it = std::find_if(fEntries.begin(), fEntries.end(), [&](const std::string& e) {
    return e.size() >= kKeyLength && std::string_view(e).substr(0, kKeyLength) == key;
  });
  if (it == fEntries.end()) return std::nullopt;
  std::string text = it->substr(kKeyLength);
  fEntries.erase(it);
  return text;
}

std::string DecodeMediaTransportCommand(DecodeCall& d, int k, int C) {
  const std::string M = d.NS(d.B(k + 1));
  std::string text;
  switch (C) {
    case 0x01: text = "Stop " + M; break;
    case 0x79: text = "Play " + M; break;
    case 0x0A:
      switch (d.B(k + 2)) {
        case 0: text = "Pause " + M; break;
        case 255: text = "Resume " + M; break;
        default: text = "Unknown 0A command"; break;
      }
      break;
    case 0x12: text = "Set Category " + d.NS(d.B(k + 2)) + " on " + M; break;
    case 0x1B: text = "Set Selection " + d.NS(d.B(k + 2) * 256 + d.B(k + 3)) + " on " + M; break;
    case 0x25: text = "Set Track " + Count32(d, k + 2) + " on " + M; break;
    case 0x2A: {
      const int v = d.B(k + 2);
      text = std::string("Shuffle ") + (v == 0 ? " Off" : v == 255 ? " On" : " reserved") + " on " + M;
      break;
    }
    case 0x32: {
      const int v = d.B(k + 2);
      text = std::string("Repeat ") + (v == 0 ? " Off" : v == 255 ? " Tracks" : " Current") + " on " + M;
      break;
    }
    case 0x3A: text = (d.B(k + 2) != 0 ? "Next Category on " : "Prev Category on ") + M; break;
    case 0x42: text = (d.B(k + 2) != 0 ? "Next Selection on " : "Prev Selection on ") + M; break;
    case 0x4A: text = (d.B(k + 2) != 0 ? "Next Track on " : "Prev Track on ") + M; break;
    case 0x52: text = "Forward " + SpeedText(d.B(k + 2)) + " on " + M; break;
    case 0x5A: text = "Rewind " + SpeedText(d.B(k + 2)) + " on " + M; break;
    case 0x62: text = "Source power " + M + (d.B(k + 2) != 0 ? " On" : " Off"); break;
    case 0x6D: text = "Total Tracks " + Count32(d, k + 2) + " on " + M; break;
    case 0x71: text = "Status Request for " + M; break;
    case 0x73: text = "Enumerate " + ListTypeText(d.B(k + 2)) + "Start at " + d.NS(d.B(k + 3)) + " on " + M; break;
    case 0x74:
      text = "Enumeration Size " + d.NS(d.B(k + 4)) + ", " + ListTypeText(d.B(k + 2)) + "Start at " + d.NS(d.B(k + 3)) +
             " on " + M;
      break;
    default:
      if (C >= 0x80 && C <= 0xDF)
        text = NamePacket(d, k, C, M);
      else
        text = "Unknown";
      break;
  }
  return "Transport: " + text;
}

}  // namespace zelvo
