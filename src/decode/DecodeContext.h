#pragma once
// The decoder's workspace and the state it carries between messages, and the
// view of one command that every application decoder reads.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "decode/MediaTransport.h"
#include "decode/ShortInfo.h"

namespace zelvo {

struct InterfaceState;
struct MmiScanState;

// Decode flags.
inline constexpr int DecodeShowUnit = 1;
inline constexpr int DecodeShowNetwork = 2;
inline constexpr int DecodeShowApplication = 4;
inline constexpr int DecodeShowMessage = 8;
inline constexpr int DecodeTransmitted = 16;
inline constexpr int DecodeLive = 32;

inline constexpr int kWorkspaceBytes = 200;

struct DecoderWorkspace {
  std::array<std::uint8_t, kWorkspaceBytes> MessageBytes{};
  int MessageLength = 0;
  std::string DecodedText;
};

// Thrown inside the decoder when a field lies outside the workspace; the
// frame turns it into the empty result.
struct DecodeFault {};

struct DecodeContext {
  DecodeContext(InterfaceState& iface, const bool& hexNumbers) : Interface(iface), HexNumbers(hexNumbers) {}

  InterfaceState& Interface;
  const bool& HexNumbers;       // "Hexadecimal Numbers"
  MmiScanState* Mmi = nullptr;  // the lighting decoder's MMI auto-update
  DecoderWorkspace Work;
  int DecodeOptions = DecodeShowMessage;
  MediaNameFragments MediaNames;   // media transport name packets
  TShortInfoCache ShortInfoCache;  // short information reassembly
  // The monitor's time stamp (short-information entries record it).
  std::function<std::string()> TimeStampText;
};

// What an application decoder sees: the workspace, the flags of the call
// and the message's source key (first bridge and route, or the unit).
struct DecodeCall {
  DecodeContext& Ctx;
  int Flags = 0;
  std::string SourceKey;

  // Byte i of the workspace; beyond the 200-byte workspace the whole message
  // is abandoned. Bytes past MessageLength read as 0.
  std::uint8_t B(int i) const {
    if (i < 0 || i >= kWorkspaceBytes) throw DecodeFault{};
    return Ctx.Work.MessageBytes[static_cast<std::size_t>(i)];
  }
  int Length() const { return Ctx.Work.MessageLength; }
  bool Hex() const { return HexNumbers(); }
  bool HexNumbers() const { return Ctx.HexNumbers; }
  // NumberString / NumberStringSized in the user's number format.
  std::string NS(int v) const;
  std::string NSS(int v, int size) const;
};

// The c bytes from B(s) as "0A 1B ..."; "!! Length Error !!" past B199.
std::string HexBytesText(const DecodeCall& d, int s, int c);
// The c bytes from B(s) as characters; "!! Length Error !!" past B199.
std::string CharBytesText(const DecodeCall& d, int s, int c);
// v as two upper-case hex digits.
std::string Hex2(int v);

}  // namespace zelvo
