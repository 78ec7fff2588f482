#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeNetworkControlCommand(DecodeCall&, int, int) { return {}; }
void DecodeStatusReply(DecodeCall&) {}

}  // namespace zelvo
