#pragma once
// The application decoders the command walk dispatches to. Each returns the
// text of the one command at position k whose command byte is C; the walk has
// already checked that its parameter bytes lie inside the message.

#include <string>

#include "decode/DecodeContext.h"

namespace zelvo {

std::string DecodeLightingCommand(DecodeCall& d, int k, int C);
std::string DecodeControlCommand(DecodeCall& d, int k, int C);
std::string DecodeNetworkControlCommand(DecodeCall& d, int k, int C);
// Appends the text of a status reply (B0 from C0 hex) to DecodedText.
void DecodeStatusReply(DecodeCall& d);
std::string DecodeHvacCommand(DecodeCall& d, int k, int C);
std::string DecodeSceneCommand(DecodeCall& d, int k, int C);
std::string DecodeAudioCommand(DecodeCall& d, int k, int C);
std::string DecodeErrorReportingCommand(DecodeCall& d, int k, int C);
std::string DecodeTemperatureBroadcast(DecodeCall& d, int k, int C);
std::string DecodeSecurityCommand(DecodeCall& d, int k, int C);
std::string DecodeAccessControlCommand(DecodeCall& d, int k, int C);
std::string DecodeClockCommand(DecodeCall& d, int k, int C);
std::string DecodeTelephonyCommand(DecodeCall& d, int k, int C);
std::string DecodeMeasurementCommand(DecodeCall& d, int k, int C);
std::string DecodeMediaTransportCommand(DecodeCall& d, int k, int C);
// Uses d.Flags (DecodeLive feeds the cache) and d.SourceKey.
std::string DecodeShortInfoCommand(DecodeCall& d, int k, int C);

}  // namespace zelvo
