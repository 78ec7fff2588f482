#pragma once
// The widgets' bench on a simulated interface: the shared SimBench with a
// network of the test's choosing, a settle step and the written lines.

#include <string>
#include <vector>

#include "support/SimBench.h"

namespace zelvo::test {

class GuiSimBench : public SimBench {
 public:
  GuiSimBench() = default;
  explicit GuiSimBench(const sim::NetworkConfig& config) { pci = sim::SimulatedPci(config); }
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
};

inline sim::NetworkConfig NetworkWithPciVersion(const std::string& version) {
  auto config = sim::DefaultNetwork();
  config.Pci.Version = version;
  return config;
}

}  // namespace zelvo::test
