#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeLightingCommand(DecodeCall&, int, int) { return {}; }
std::string DecodeControlCommand(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
