#pragma once
// The widgets' test bench: a session on a fake host with a virtual clock,
// either on a fake link that records what is written (TrafficBench), or on
// a simulated interface in-process (SimBench) that answers as a real one.

#include <memory>
#include <string>
#include <vector>

#include "sim/SimulatedPci.h"
#include "support/TrafficBench.h"

namespace zelvo::test {

class SimBench : public TrafficBench {
 public:
  SimBench() : SimBench(sim::DefaultNetwork()) {}
  explicit SimBench(const sim::NetworkConfig& config) : pci(config) {
    link.onWrite = [this](const std::string& w) { pci.Receive(w, host.clockMs); };
    host.onPump = [this] {
      const std::string out = pci.TakeOutput(host.clockMs);
      if (!out.empty()) traffic.ProcessReceivedText(out);
    };
  }
  // Lets `ms` pass with the queue running, so every reply due has arrived.
  void Settle(int ms = 300) {
    for (int waited = 0; waited < ms; waited += 100) {
      host.Sleep(100);
      host.PumpOnce();
    }
  }
  // The lines written since the last call.
  std::vector<std::string> TakeWritten() {
    auto w = std::move(link.written);
    link.written.clear();
    return w;
  }

  sim::SimulatedPci pci;
};

inline sim::NetworkConfig NetworkWithPciVersion(const std::string& version) {
  auto config = sim::DefaultNetwork();
  config.Pci.Version = version;
  return config;
}

}  // namespace zelvo::test
