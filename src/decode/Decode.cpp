#include "decode/Decode.h"

#include "decode/Decoders.h"
#include "diagnostics/InterfaceState.h"
#include "link/Codec.h"
#include "shell/Host.h"

namespace zelvo {

namespace {

int HexValueAt(std::string_view s, std::size_t pos, std::size_t count) { return HexToInt(Mid(s, pos, count)); }

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// Which decoder serves which application.
enum class AppDecoder {
  None,
  Lighting,
  Control,
  NetworkControl,
  Hvac,
  Scene,
  Audio,
  ErrorReporting,
  Temperature,
  Security,
  AccessControl,
  Clock,
  Telephony,
  Measurement,
  MediaTransport,
  ShortInfo,
};

AppDecoder DecoderFor(int app) {
  if (app == 38 || (app >= 48 && app <= 127) || app == 136) return AppDecoder::Lighting;
  switch (app) {
    case 25: return AppDecoder::Temperature;
    case 172: return AppDecoder::Hvac;
    case 173: return AppDecoder::ShortInfo;
    case 192: return AppDecoder::MediaTransport;
    case 201: return AppDecoder::Scene;
    case 202:
    case 203: return AppDecoder::Control;
    case 205: return AppDecoder::Audio;
    case 206: return AppDecoder::ErrorReporting;
    case 208: return AppDecoder::Security;
    case 213: return AppDecoder::AccessControl;
    case 223: return AppDecoder::Clock;
    case 224: return AppDecoder::Telephony;
    case 228: return AppDecoder::Measurement;
    case 255: return AppDecoder::NetworkControl;
    default: return AppDecoder::None;
  }
}

std::string DecodeCommand(DecodeCall& d, int app, int k, int C) {
  switch (DecoderFor(app)) {
    case AppDecoder::Lighting: return DecodeLightingCommand(d, k, C);
    case AppDecoder::Control: return DecodeControlCommand(d, k, C);
    case AppDecoder::NetworkControl: return DecodeNetworkControlCommand(d, k, C);
    case AppDecoder::Hvac: return DecodeHvacCommand(d, k, C);
    case AppDecoder::Scene: return DecodeSceneCommand(d, k, C);
    case AppDecoder::Audio: return DecodeAudioCommand(d, k, C);
    case AppDecoder::ErrorReporting: return DecodeErrorReportingCommand(d, k, C);
    case AppDecoder::Temperature: return DecodeTemperatureBroadcast(d, k, C);
    case AppDecoder::Security: return DecodeSecurityCommand(d, k, C);
    case AppDecoder::AccessControl: return DecodeAccessControlCommand(d, k, C);
    case AppDecoder::Clock: return DecodeClockCommand(d, k, C);
    case AppDecoder::Telephony: return DecodeTelephonyCommand(d, k, C);
    case AppDecoder::Measurement: return DecodeMeasurementCommand(d, k, C);
    case AppDecoder::MediaTransport: return DecodeMediaTransportCommand(d, k, C);
    case AppDecoder::ShortInfo: return DecodeShortInfoCommand(d, k, C);
    case AppDecoder::None: break;
  }
  return {};
}

// The unit prefix shared by both message layouts; false when the message is
// too short to show anything at all.
bool DecodeUnitText(DecodeCall& d) {
  auto& w = d.Ctx.Work;
  if (w.MessageLength <= 3) {
    w.DecodedText.clear();
    return false;
  }
  const int n = d.B(3);
  int unit = d.B(1);
  d.SourceKey = Hex2(d.B(1));
  if (n > 0) {
    unit = d.B(n + 3);
    for (int i = 4; i <= n + 3; ++i) d.SourceKey += Hex2(d.B(i));
  }
  if (d.Flags & DecodeShowUnit) {
    if (!(d.Flags & DecodeTransmitted)) {
      w.DecodedText += "Source Unit " + d.NS(unit) + ", ";
    } else if (d.B(0) == 0x05) {
      w.DecodedText += "Multipoint, ";
    } else {
      w.DecodedText += "Dest Unit " + d.NS(unit) + ", ";
    }
  }
  return true;
}

// The parameter count of command byte C.
int ParameterCount(int C, int app) {
  if (C < 0x80 || (C == 0xFA && app == 255)) return C & 7;
  return C & 0x1F;
}

void DecodeSalMessage(DecodeCall& d) {
  auto& w = d.Ctx.Work;
  if (!DecodeUnitText(d)) return;
  const int app = d.B(2);
  if (d.Flags & DecodeShowApplication) w.DecodedText += ApplicationName(app, d.Hex()) + ", ";
  if (!(d.Flags & DecodeShowMessage)) {
    auto comma = w.DecodedText.rfind(',');
    w.DecodedText.erase(comma == std::string::npos ? 0 : comma);
    return;
  }
  const int last = w.MessageLength - 1;  // the checksum never starts a command
  int k = d.B(3) + 4;
  while (k < last) {
    const int C = d.B(k);
    const int next = k + ParameterCount(C, app) + 1;
    if (next > last) {
      w.DecodedText += "LENGTH ERROR";
      return;
    }
    w.DecodedText += DecodeCommand(d, app, k, C);
    k = next;
    if (k < last) w.DecodedText += "; ";
  }
}

void DecodePointToPoint(DecodeCall& d) {
  if (!DecodeUnitText(d)) return;
  if (d.Length() >= d.B(3) + 5) d.Ctx.Work.DecodedText += "System Message";
}

std::string PciReplyText(std::string_view m) {
  if (m.find('!') != std::string_view::npos) return "Checksum Error or Buffers Full";
  if (m.size() == 2 && IsAckChar(m[0])) {
    switch (m[1]) {
      case '.': return "OK";
      case '#': return "No Acknowledgement";
      case '$': return "Corrupted Transmission";
      case '%': return "No Zelvo Clock";
      default: break;
    }
  }
  return {};
}

// The transmitted forms: "@" to the local PCI, "\" + message, or a bare
// point-to-point body for the last route.
std::string NormaliseTransmitted(const InterfaceState& iface, std::string_view m, const std::string& p) {
  std::string out;
  if (m[0] == '@')
    out = "06" + p + "00" + std::string(m.substr(1));
  else if (m[0] == '\\')
    out = std::string(m.substr(1));
  else
    out = "06" + iface.LastRoute + std::string(m);
  if (!out.empty() && IsAckChar(out.back())) out.pop_back();
  return out;
}

// A sent command in the received byte layout (source unit, bridge count).
std::string ToReceivedLayout(std::string_view m, const std::string& p) {
  const int n = HexValueAt(m, 5, 2) / 9;
  std::string out;
  if (n == 0) {
    if (StartsWith(m, "05")) {
      out = std::string(Mid(m, 1, 2)) + "00" + std::string(Mid(m, 3));
    } else {
      out = std::string(Mid(m, 1, 4)) + p + std::string(Mid(m, 5));
    }
    return out;
  }
  std::string s(m);
  const auto un = static_cast<std::size_t>(n);
  if (StartsWith(s, "03")) s[1] = '5';
  if (StartsWith(s, "05")) {
    out = std::string(Mid(s, 1, 4)) + std::string(Mid(s, 2 * un + 5, 2)) + Hex2(n) +
          std::string(Mid(s, 7, 2 * un - 2)) + "00" + std::string(Mid(s, 2 * un + 7));
  } else {
    out = std::string(Mid(s, 1, 4)) + p + Hex2(n) + std::string(Mid(s, 7, 2 * un - 2)) +
          std::string(Mid(s, 2 * un + 5, 2)) + std::string(Mid(s, 2 * un + 7));
  }
  return out;
}

std::string DecodeMessageUnguarded(DecodeContext& ctx, std::string_view message, int flags) {
  InterfaceState& iface = ctx.Interface;
  const std::string p = Hex2(iface.PCIAddress < 0 ? 0 : iface.PCIAddress);
  int F = flags;
  std::string M(message);

  if (M.size() >= 2) {
    if (F & DecodeTransmitted) {
      M = NormaliseTransmitted(iface, M, p);
    } else if (M[0] == '@' || M[0] == '\\') {
      M = NormaliseTransmitted(iface, M, p);
      F |= DecodeTransmitted;
    } else if (!(iface.InterfaceOptions1 & kOptSmart)) {
      // Basic mode: the interface passes the bare message up; rebuild the
      // multipoint layout (the leading value tells the two forms apart).
      const int v = HexValueAt(M, 1, 2);
      if (v >= 8)
        M = "86000000" + M;
      else if (StartsWith(M, "00"))
        M = "0500" + std::string(Mid(M, 3, 2)) + "00" + std::string(Mid(M, 5));
      else
        M = "0500" + std::string(Mid(M, 5, 2)) + "00" + std::string(Mid(M, 7));
      if (!M.empty() && IsAckChar(M.back())) M.pop_back();
      F &= ~(DecodeShowUnit | DecodeShowNetwork);
    } else if (!(iface.InterfaceOptions1 & kOptIdmon) && !StartsWith(M, "05") && iface.LastCommandToLocalPCI) {
      // Without IDMON the local PCI's own reply carries no header.
      M = "86" + p + p + "00" + M;
      iface.LastCommandToLocalPCI = false;
    }
  }

  if (!IsHexString(M)) return PciReplyText(M);

  if (F & DecodeTransmitted) {
    M = ToReceivedLayout(M, p);
    if (!(iface.InterfaceOptions1 & kOptChecksum)) M += "00";
  }

  auto& w = ctx.Work;
  w.MessageLength = static_cast<int>(std::min<std::size_t>(M.size() / 2, kWorkspaceBytes));
  w.MessageBytes.fill(0);
  for (int i = 0; i < w.MessageLength; ++i) {
    const auto at = static_cast<std::size_t>(2 * i);
    w.MessageBytes[static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(HexDigitValue(M[at]) * 16 + HexDigitValue(M[at + 1]));
  }
  w.DecodedText.clear();

  DecodeCall d{ctx, F, {}};
  if ((F & DecodeShowNetwork) && d.B(0) < 0xC0) {
    const int n = HexValueAt(M, 7, 2);
    if (n == 0)
      w.DecodedText = "Local Network, ";
    else
      w.DecodedText =
          "Network " + std::string(Mid(M, 3, 2)) + std::string(Mid(M, 9, 2 * static_cast<std::size_t>(n) - 2)) + ", ";
  }

  if (F & DecodeTransmitted) {
    switch (d.B(0) & 7) {
      case 5: DecodeSalMessage(d); break;
      case 6: DecodePointToPoint(d); break;
      default: break;
    }
  } else if (d.B(0) == 0x05) {
    DecodeSalMessage(d);
  } else if (d.B(0) < 0xC0) {
    DecodePointToPoint(d);
  } else {
    DecodeStatusReply(d);
  }

  std::string_view text = TrimView(w.DecodedText);
  if (!text.empty() && text.back() == ',') return {};
  return RenderControlCharacters(text);
}

}  // namespace

std::string Hex2(int v) { return HexOfSize(v & 0xFF, 1); }

// A decoded text is one line: a control byte taken from a character field
// (a name, a display text) is shown as the receive pane renders it, "<13>",
// so it cannot split the line in the monitor, the logs or a pipeline.
std::string RenderControlCharacters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 32 || c == 127)
      out += '<' + std::to_string(c) + '>';
    else
      out += ch;
  }
  return out;
}

std::string DecodeCall::NS(int v) const { return NumberString(v, Ctx.HexNumbers); }
std::string DecodeCall::NSS(int v, int size) const { return NumberStringSized(v, size, Ctx.HexNumbers); }

std::string HexBytesText(const DecodeCall& d, int s, int c) {
  if (s + c - 1 > kWorkspaceBytes - 1) return "!! Length Error !!";
  std::string out;
  for (int i = 0; i < c; ++i) {
    if (i > 0) out += ' ';
    out += Hex2(d.B(s + i));
  }
  return out;
}

std::string CharBytesText(const DecodeCall& d, int s, int c) {
  if (s + c - 1 > kWorkspaceBytes - 1) return "!! Length Error !!";
  std::string out;
  for (int i = 0; i < c; ++i) out += static_cast<char>(d.B(s + i));
  return out;
}

std::string DecodeMessage(DecodeContext& ctx, std::string_view message, int flags) {
  try {
    return DecodeMessageUnguarded(ctx, message, flags);
  } catch (...) {
    // Decoding never fails: a field outside the workspace or an overflow
    // abandons the message.
    return {};
  }
}

std::string DecodeStoredMessage(DecodeContext& ctx, std::string_view message, int flags) {
  const std::uint8_t saved = ctx.Interface.InterfaceOptions1;
  ctx.Interface.InterfaceOptions1 = kDefaultModeOptions;
  std::string result = DecodeMessage(ctx, message, flags);
  ctx.Interface.InterfaceOptions1 = saved;
  return result;
}

std::string ApplicationName(int app, bool hexNumbers) {
  if (app == 56) return "Lighting";
  if (app >= 48 && app <= 95) return "Lighting (" + NumberString(app, hexNumbers) + ")";
  switch (app) {
    case 25: return "Temperature Broadcast";
    case 38: return "Room Control System";
    case 112: return "Ventilation";
    case 113: return "Irrigation";
    case 114: return "Pool, Spa, Pond and Fountain";
    case 115: return "HVAC Actuator";
    case 136: return "Heating";
    case 172: return "HVAC";
    case 173: return "Short Info Msg";
    case 192: return "Media Transport Ctl";
    case 201: return "Adv Scene Mgt";
    case 202: return "Trigger Control";
    case 203: return "Enable Control";
    case 205: return "Plug and Play Audio";
    case 206: return "Error Reporting";
    case 208: return "Security";
    case 213: return "Access Control";
    case 223: return "Time";
    case 224: return "Telephony";
    case 228: return "Measurement";
    case 255: return "Network Control";
    default: return "-RESERVED-";
  }
}

int SetDecodeOptions(DecodeContext& ctx, bool showDestination, bool showNetwork, bool showApplication,
                     bool showMessage) {
  ctx.DecodeOptions = (showDestination ? DecodeShowUnit : 0) | (showNetwork ? DecodeShowNetwork : 0) |
                      (showApplication ? DecodeShowApplication : 0) | (showMessage ? DecodeShowMessage : 0);
  return ctx.DecodeOptions;
}

std::optional<std::string> InterpretCommandText(DecodeContext& ctx, std::string_view typed) {
  std::string_view text = typed;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::string result = DecodeStoredMessage(ctx, text, 15);
  if (result.empty()) return std::string("Message could not be decoded");
  return "Message = " + result;
}

void ZelvoInterpretCommand(DecodeContext& ctx, Host& host) {
  auto typed = host.InputBox("Interpret Command", "Command :", "");
  if (!typed) return;
  if (auto text = InterpretCommandText(ctx, *typed)) host.Message(MsgIcon::Information, *text, MsgButtons::Ok);
}

}  // namespace zelvo
