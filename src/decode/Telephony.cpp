#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeTelephonyCommand(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
