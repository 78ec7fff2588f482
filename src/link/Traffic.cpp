#include "link/Traffic.h"

#include "decode/Decode.h"
#include "decode/ShortInfo.h"
#include "diagnostics/MmiCapture.h"
#include "link/Link.h"
#include "link/MonitorPort.h"
#include "shell/Host.h"
#include "shell/Session.h"

namespace zelvo {

namespace {

bool IsConfirmation(unsigned char c) {
  switch (c) {
    case '!':
    case '#':
    case '$':
    case '%':
    case '\'':
    case '.':
    case '~': return true;
    default: return false;
  }
}

}  // namespace

Traffic::Traffic(Session& session, Host& host, MonitorPort& monitor)
    : session_(session), host_(host), monitor_(monitor) {}

bool Traffic::CommsIsOpen() const { return link_ != nullptr && link_->IsOpen(); }

void Traffic::SendZelvoCommand(std::string_view command) {
  if (!CommsIsOpen() || command.empty()) return;
  auto& st = session_.Traffic;
  std::string s(command);
  if (session_.Interface.InterfaceOptions1 & kOptChecksum) s += MakeChecksum(s);
  const bool wantAck =
      session_.User.UseAckChars || (st.Flags.FullSpeedRun && st.Flags.RunActive) || st.Flags.QualityTestShown;
  if (wantAck && !IsAckChar(s.back())) {
    s += st.NextAckChar;
    st.NextAckChar = st.NextAckChar == 'z' ? 'g' : static_cast<char>(st.NextAckChar + 1);
  }
  st.Flags.PciReady = false;
  const std::string decoded = DecodeMessage(session_.Decoder, s, session_.Decoder.DecodeOptions | DecodeTransmitted);
  SendZelvoString(s, decoded);
}

void Traffic::SendZelvoString(std::string_view s, std::string_view DecodedString) {
  if (!CommsIsOpen() || s.empty()) return;
  if (monitor_.LiveFilterMatches(s, true)) {
    monitor_.DisplaySerialString(kStringTransmit, std::string(s) + "<CR>");
    if (session_.User.ShowDecodedMessage && !DecodedString.empty())
      monitor_.DisplaySerialString(kStringTransmit, " = " + std::string(DecodedString));
  }
  CheckInterfaceOptions(session_.Interface, s);
  CommsSendString(std::string(s) + '\r');
}

void Traffic::CommsSendString(std::string_view s) {
  if (CommsIsOpen()) link_->Write(s);
}

void Traffic::Delay(double seconds) {
  const std::int64_t start = host_.TickMs();
  // A wait from a script may be any number: keep it finite and in range.
  if (!(seconds >= 0.0)) seconds = 0.0;
  if (seconds > 1e9) seconds = 1e9;
  const auto wait = static_cast<std::int64_t>(seconds * 1000.0);
  do {
    host_.PumpOnce();
    host_.Sleep(100);
  } while (host_.TickMs() - start <= wait);
}

std::string ShowAsciiText(std::string_view b) {
  std::string a;
  std::size_t p = 0;
  while (p + 1 < b.size()) {
    const int hi = HexDigitValue(b[p]);
    const int lo = HexDigitValue(b[p + 1]);
    if (hi >= 0 && lo >= 0) {
      const int byte = hi * 16 + lo;
      a += (byte >= 32 && byte <= 126) ? static_cast<char>(byte) : '_';
      p += 2;
    } else {
      p += 1;
    }
  }
  return a;
}

void Traffic::ProcessReceivedText(std::string_view s) {
  auto& st = session_.Traffic;
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    bool ends = true;
    switch (c) {
      case 13: st.ReceiveBuffer += "<CR>"; break;
      case 10: st.ReceiveBuffer += "<LF>"; break;
      case 17: st.ReceiveBuffer += "<XON>"; break;
      case 19: st.ReceiveBuffer += "<XOFF>"; break;
      default:
        if (c < 32 || c >= 127) {
          st.ReceiveBuffer += '<' + std::to_string(c) + '>';
        } else if (IsConfirmation(c)) {
          st.Flags.PciResponded = true;
          if (st.Flags.QualityTestShown) IncrementQualityTestCounter(session_.Quality, ch);
          st.ReceiveBuffer += ch;
        } else {
          if (IsAckChar(ch)) st.Flags.PciReady = true;
          st.ReceiveBuffer += ch;
          ends = false;
        }
    }
    if (!ends && st.ReceiveBuffer.size() >= kMaxReceiveBuffer) {
      ++st.OverlongMessages;
      ends = true;
    }
    if (ends) CompleteMessage();
  }
}

void Traffic::CompleteMessage() {
  auto& st = session_.Traffic;
  // Take the buffer first: a consumer below may (through a nested wait) let
  // more text arrive, which must start a message of its own.
  std::string B = std::move(st.ReceiveBuffer);
  st.ReceiveBuffer.clear();

  if (session_.User.ShowASCII && B.size() > 1) {
    const std::string a = ShowAsciiText(B);
    if (!a.empty()) B += "  \"" + a + "\"";
  }
  std::string M;
  if (B.size() > 2) {
    const auto lt = B.find('<');
    M = lt == std::string::npos ? std::string() : B.substr(0, lt);
  } else {
    M = B;
  }

  const bool allMonitor = session_.Interface.AllMonitorActive;
  if (monitor_.LiveFilterMatches(M, false) && !allMonitor) {
    if (B != "<LF>") monitor_.DisplaySerialString(kStringReceive, B);
    auto& dec = session_.Decoder;
    const std::string D = DecodeMessage(dec, M, dec.DecodeOptions | DecodeLive);
    if (session_.User.ShowDecodedMessage && !D.empty()) {
      monitor_.DisplaySerialString(kStringReceive, " = " + D);
      DisplayReconstructedMessages(dec.DecodeOptions);
    }
    const std::string E = DecodeMessage(dec, M, 15);
    if (!E.empty() && monitor_.ErrorHistoryAccepts(E)) {
      TTokenList tokens;
      SplitTokens(DecodeMessage(dec, M, 8), ";", tokens);
      for (int i = 0; i < tokens.TokenCount; ++i) st.ErrorHistory.push_back(tokens.Token[static_cast<std::size_t>(i)]);
      while (st.ErrorHistory.size() > kErrorHistoryLines) st.ErrorHistory.pop_front();
    }
  }
  if (allMonitor) {
    CaptureAnalyserMessage(session_.Analyser, session_.Decoder.Work, M);
    if (st.AnalyserLogToFile) monitor_.AnalyserLogMessage(M);
  }
  const int mmiType = session_.Mmi.MMIType;
  if (mmiType == kMmiInstallation || mmiType == kMmiApplication || mmiType == kMmiLevel)
    CaptureMMIReply(session_.Mmi, M);
  if (st.AwaitingReply() && !B.empty() && B[0] != '<')
    for (auto& list : st.WaitingRequests) list->push_back(B);
}

void Traffic::DisplayReconstructedMessages(int Options) {
  // Short-information reassembly hands out finished or abandoned texts.
  for (;;) {
    std::string text = TakeReconstructedMessage(session_.Decoder, Options);
    if (text.empty()) break;
    monitor_.DisplaySerialString(kStringReceive, " * " + RenderControlCharacters(text));
  }
}

}  // namespace zelvo
