#pragma once
// Character fields of bus messages (names, display texts, phone numbers).

#include <string>

#include "decode/DecodeContext.h"

namespace zelvo {

// Bytes B(s) to B(s + n - 1) as one character each (character code = byte
// value). A field may claim more bytes than the message holds: positions at
// or beyond MessageLength are left out. n <= 0 gives "".
std::string MessageCharsText(const DecodeCall& d, int s, int n);

}  // namespace zelvo
