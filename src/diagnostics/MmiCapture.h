#pragma once
// Turns received MMI replies into the scan results.

#include <string_view>

#include "diagnostics/MmiState.h"

namespace zelvo {

// The value 0..15 of one byte of a level MMI reply (each bit sent as two
// bits: 1 as 01, 0 as 10); -1 for any other byte.
int LevelNibble(int b);
void CaptureMMIReply(MmiScanState& mmi, std::string_view m);

}  // namespace zelvo
