#include "decode/CodeTable.h"
#include "decode/Decoders.h"

namespace zelvo {

namespace {

// Every command names a network and an access point; 255 in either field is
// the wildcard that only the lock commands may use.
constexpr int kAll = 255;

constexpr CodeText kPointCommands[] = {
    {0x02, "Close Point"},
    {0x0A, "Lock Point"},
};

constexpr CodeText kPointEvents[] = {
    {0x12, "Point Left Open"},
    {0x1A, "Point Forced Open"},
    {0x22, "Point Closed"},
    {0x32, "Request to Exit"},
};

constexpr CodeText kDirections[] = {
    {1, ", Direction: In"},
    {2, ", Direction: Out"},
};

// Network and access point of an event: a wildcard is marked invalid.
std::string CommonTail(const DecodeCall& d, int k) {
  const int network = d.B(k + 1);
  const int point = d.B(k + 2);
  std::string text = ", Network " + d.NS(network);
  if (network == kAll) text += " (INVALID)";
  text += ", Access Point " + d.NS(point);
  if (point == kAll) text += " (INVALID)";
  return text;
}

// Network and access point of a lock command: the wildcards address all.
std::string PointTail(const DecodeCall& d, int k) {
  const int network = d.B(k + 1);
  const int point = d.B(k + 2);
  std::string text = network == kAll ? ", All Networks" : ", Network " + d.NS(network);
  if (point == kAll) return text + ", All Access Points";
  text += ", Access Point " + d.NS(point);
  if (network == kAll) text += " (INVALID)";
  return text;
}

// Requests (A0 to DF): network, access point, direction, then the bytes of
// the identifier (a card or code) up to the end of the command.
std::string RequestText(const DecodeCall& d, int k, int C, const char* verdict) {
  std::string text = verdict + CommonTail(d, k);
  text.append(FindCodeText(kDirections, d.B(k + 3), {}));
  const int idBytes = (C & 0x1F) - 3;
  if (idBytes > 0) {
    text += ", ID = ";
    for (int i = 0; i < idBytes; ++i) text += Hex2(d.B(k + 4 + i));
  }
  return text;
}

}  // namespace

std::string DecodeAccessControlCommand(DecodeCall& d, int k, int C) {
  const std::string text = "Access: ";
  switch (C) {
    case 0x02:
    case 0x0A: return text + std::string(FindCodeText(kPointCommands, C, {})) + PointTail(d, k);
    case 0x12:
    case 0x1A:
    case 0x22:
    case 0x32: return text + std::string(FindCodeText(kPointEvents, C, {})) + CommonTail(d, k);
    default:
      if (C >= 0xA0 && C <= 0xBF) return text + RequestText(d, k, C, "Valid Request");
      if (C >= 0xC0 && C <= 0xDF) return text + RequestText(d, k, C, "Invalid Request");
      return text + "Unknown";
  }
}

}  // namespace zelvo
