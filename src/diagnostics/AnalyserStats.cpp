#include "diagnostics/AnalyserStats.h"

#include <algorithm>

#include "decode/DecodeContext.h"
#include "link/Codec.h"

namespace zelvo {

void CaptureAnalyserMessage(AnalyserStats& stats, DecoderWorkspace& work, std::string_view m) {
  if (!IsHexString(m)) return;
  const int n = static_cast<int>(std::min<std::size_t>(m.size() / 2, kWorkspaceBytes));
  work.MessageLength = n;
  for (int i = 0; i < n; ++i)
    work.MessageBytes[static_cast<std::size_t>(i)] =
        static_cast<std::uint8_t>(HexToInt(m.substr(static_cast<std::size_t>(2 * i), 2)));
  ++stats.MessagesInSlot;
  auto b = [&](int i) -> int { return i < n ? work.MessageBytes[static_cast<std::size_t>(i)] : 0; };
  const int last = b(n - 1);
  // An MMI reply carries 90 in place of the bridge count.
  const bool mmi = b(3) == 0x90;
  switch (b(0) & 7) {
    case 5:  // point-to-multipoint: a well-formed message ends in 35
      if (n <= 4 || (!mmi && last != 0x35)) ++stats.ErrorsInSlot;
      if (n > 4 && !mmi) {
        ++stats.SourceCount[static_cast<std::size_t>(b(1))];
        ++stats.ApplicationCount[static_cast<std::size_t>(b(2))];
      }
      if (n > 4 && mmi) {
        ++stats.MMICount[static_cast<std::size_t>(b(2))];
        stats.MMISource[static_cast<std::size_t>(b(2))] = b(1);
      }
      break;
    case 6:  // point-to-point: a well-formed one ends in 9A
      ++stats.CalCount;
      if (n > 4 && last != 0x9A) ++stats.ErrorsInSlot;
      if (n > 1) ++stats.SourceCount[static_cast<std::size_t>(b(1))];
      break;
    default: break;
  }
}

}  // namespace zelvo
