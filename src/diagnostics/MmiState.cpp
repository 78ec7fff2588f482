#include "diagnostics/MmiState.h"

namespace zelvo {

void ClearMMIResults(MmiScanState& mmi) {
  mmi.MMILastIndex = 0;
  mmi.MMIResults.fill(0);
}

}  // namespace zelvo
