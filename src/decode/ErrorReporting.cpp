#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeErrorReportingCommand(DecodeCall&, int, int) { return {}; }
std::string DecodeTemperatureBroadcast(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
