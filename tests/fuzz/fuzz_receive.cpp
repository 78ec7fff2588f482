// Arbitrary chunks into the receive assembler, with the session state chosen
// by the first bytes: never a crash, a hang or a sanitizer report.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "diagnostics/MmiState.h"
#include "link/MonitorPort.h"
#include "link/Traffic.h"
#include "shell/Session.h"
#include "support_free_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  zelvo::Session session;
  zelvo::fuzz::QuietHost host;
  zelvo::NullMonitor monitor;
  zelvo::Traffic traffic(session, host, monitor);
  session.Interface.InterfaceOptions1 = data[0];
  session.Interface.AllMonitorActive = (data[1] & 1) != 0;
  session.User.ShowASCII = (data[1] & 2) != 0;
  session.User.HexNumbers = (data[1] & 4) != 0;
  session.Traffic.Flags.QualityTestShown = (data[1] & 8) != 0;
  session.Quality.VoltagesRetrieved = (data[1] & 16) != 0;
  session.Mmi.MMIType = data[2] % 6;
  session.Decoder.DecodeOptions = data[3] & 0x0F;
  if (data[1] & 32) session.Traffic.WaitingRequests.push_back(std::make_shared<zelvo::ReplyList>());
  std::string_view rest(reinterpret_cast<const char*>(data + 4), size - 4);
  // Chunk sizes vary with the data so that boundaries fall everywhere.
  std::size_t step = 1 + (data[3] >> 4);
  while (!rest.empty()) {
    const std::size_t n = std::min(step, rest.size());
    traffic.ProcessReceivedText(rest.substr(0, n));
    rest.remove_prefix(n);
    step = step * 3 % 17 + 1;
  }
  return 0;
}
