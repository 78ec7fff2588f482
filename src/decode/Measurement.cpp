#include "decode/Decoders.h"

namespace zelvo {

// Not decoded yet: an application without a decoder appends nothing.
std::string DecodeMeasurementCommand(DecodeCall&, int, int) { return {}; }

}  // namespace zelvo
