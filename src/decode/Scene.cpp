#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeSceneCommand(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
