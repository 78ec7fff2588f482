#pragma once
// The core plugged into an in-process simulated interface on a virtual
// clock: what the core writes goes to the simulator, and every PumpOnce
// delivers what the simulator has sent by then.

#include "sim/SimulatedPci.h"
#include "support/TrafficBench.h"

namespace zelvo::test {

class SimBench : public TrafficBench {
 public:
  SimBench() {
    link.onWrite = [this](const std::string& w) { pci.Receive(w, host.clockMs); };
    host.onPump = [this] {
      const std::string out = pci.TakeOutput(host.clockMs);
      if (!out.empty()) traffic.ProcessReceivedText(out);
    };
  }
  sim::SimulatedPci pci;
};

}  // namespace zelvo::test
