#pragma once
// Everything the main window owns for the whole run, in one place. A test
// makes a fresh Session per case; nothing here is global.

#include "decode/DecodeContext.h"
#include "diagnostics/AnalyserStats.h"
#include "diagnostics/InterfaceState.h"
#include "diagnostics/MmiState.h"
#include "diagnostics/QualityCounters.h"
#include "link/Codec.h"
#include "link/Traffic.h"
#include "monitor/Monitor.h"

namespace zelvo {

// The user's choices that the codec, the decoder and the traffic engine read.
struct UserOptions {
  bool HexNumbers = false;         // "Hexadecimal Numbers"
  RemoteNetworkSelection Remote;   // "Remote Network" and its "Path"
  bool ShowASCII = false;          // "Show ASCII"
  bool ShowDecodedMessage = true;  // "Show Decoded Message"
  bool UseAckChars = false;        // "Use Acknowledgement Characters"
};

struct Session {
  Session() { Decoder.Mmi = &Mmi; }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  UserOptions User;
  InterfaceState Interface;
  MmiScanState Mmi;
  DecodeContext Decoder{Interface, User.HexNumbers};
  TrafficState Traffic;
  AnalyserStats Analyser;
  QualityTestCounters Quality;
  MonitorState Monitor;  // panes, command log, live filter, analyser log
};

// Switches "Hexadecimal Numbers". The error history is cleared: its lines
// were written in the previous format.
void SetNumberFormat(Session& session, bool hexNumbers);

}  // namespace zelvo
