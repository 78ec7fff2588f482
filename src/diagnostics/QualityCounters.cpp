#include "diagnostics/QualityCounters.h"

namespace zelvo {

bool IncrementQualityTestCounter(QualityTestCounters& counters, char AckChar) {
  if (!counters.VoltagesRetrieved) return false;
  switch (AckChar) {
    case '#': ++counters.NoAckTransmissions; return true;
    case '$': ++counters.CorruptTransmissions; return true;
    case '%': ++counters.FailedClockSyncTransmissions; return true;
    case '.': ++counters.PCIAcknowledgements; return true;
    default: return false;
  }
}

}  // namespace zelvo
