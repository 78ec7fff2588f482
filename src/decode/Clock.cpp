#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeClockCommand(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
