#pragma once
// Everything the main window owns for the whole run, in one place. A test
// makes a fresh Session per case; nothing here is global.

#include "decode/DecodeContext.h"
#include "diagnostics/InterfaceState.h"
#include "diagnostics/MmiState.h"
#include "link/Codec.h"

namespace zelvo {

// The user's choices that the codec and the decoder read.
struct UserOptions {
  bool HexNumbers = false;        // "Hexadecimal Numbers"
  RemoteNetworkSelection Remote;  // "Remote Network" and its "Path"
};

struct Session {
  Session() { Decoder.Mmi = &Mmi; }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  UserOptions User;
  InterfaceState Interface;
  MmiScanState Mmi;
  DecodeContext Decoder{Interface, User.HexNumbers};
};

}  // namespace zelvo
