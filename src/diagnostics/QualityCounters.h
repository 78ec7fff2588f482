#pragma once
// The reliability test's confirmation counters. The receive assembler feeds
// them while the test window is shown; the window reads them.

#include <string>

namespace zelvo {

struct QualityTestCounters {
  bool VoltagesRetrieved = false;        // the unit table is ready: the test runs
  int PCIAcknowledgements = 0;           // "."
  int NoAckTransmissions = 0;            // "#"
  int CorruptTransmissions = 0;          // "$"
  int FailedClockSyncTransmissions = 0;  // "%"
};

// Counts one confirmation character; returns true when a counter changed.
bool IncrementQualityTestCounter(QualityTestCounters& counters, char AckChar);

}  // namespace zelvo
