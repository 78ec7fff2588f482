// The receive path end to end without Qt: a recorded stream of received
// messages through ProcessReceivedText, with decoding on. Reports messages/s;
// run under /usr/bin/time -v for the peak memory (it must stay flat).
// Run: build/release/bench/bench_receive [--messages N] [--no-display]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../tests/fuzz/support_free_host.h"
#include "link/MonitorPort.h"
#include "link/Traffic.h"
#include "monitor/Monitor.h"
#include "shell/Session.h"

namespace {

// Counts what would be shown, as a pane would receive it.
class CountingMonitor : public zelvo::MonitorPort {
 public:
  void DisplaySerialString(int, std::string_view s) override {
    ++lines;
    chars += s.size();
  }
  bool LiveFilterMatches(std::string_view, bool) override { return true; }
  bool ErrorHistoryAccepts(std::string_view) override { return false; }
  std::size_t lines = 0;
  std::size_t chars = 0;
};

std::string RecordedStream() {
  const char* messages[] = {
      "050C3800790539\r\n",
      "050C38000A0580790679070539\r\n",
      "h.",
      "860C0C00A3300051\r\n",
      "050CAC000905010203040506\r\n",
      "050CCE00050102030405AB\r\n",
      "050CDF000D010203040506070809\r\n",
      "050CE4000E010203040506AA\r\n",
      "050CD0000D01020304AA\r\n",
      "050CCD000905FF0102\r\n",
      "050CC0000901020304AA\r\n",
      "050C1900020520AA\r\n",
      "g#",
      "D83800FF00AA55AA\r\n",
  };
  std::string stream;
  for (const char* m : messages) stream += m;
  return stream;
}

}  // namespace

int main(int argc, char** argv) {
  long total = 1000000;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--messages") == 0) total = std::atol(argv[i + 1]);

  zelvo::Session session;
  session.Interface.InterfaceOptions1 = zelvo::kDefaultModeOptions;
  session.Interface.PCIAddress = 1;
  session.Decoder.DecodeOptions = 15;
  zelvo::fuzz::QuietHost host;
  // The real display model: panes of 200 coloured lines, time stamps on.
  zelvo::MonitorModel model(session.Monitor, session.Decoder, host);
  CountingMonitor counting;
  const bool withDisplay = !(argc > 1 && std::strcmp(argv[argc - 1], "--no-display") == 0);
  zelvo::MonitorPort& monitor = withDisplay ? static_cast<zelvo::MonitorPort&>(model) : counting;
  zelvo::Traffic traffic(session, host, monitor);

  const std::string stream = RecordedStream();
  const long perStream = 14;
  // Deliver in chunks of 512 bytes, as a socket read would.
  const auto start = std::chrono::steady_clock::now();
  long delivered = 0;
  while (delivered < total) {
    for (std::size_t p = 0; p < stream.size(); p += 512)
      traffic.ProcessReceivedText(std::string_view(stream).substr(p, 512));
    delivered += perStream;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("messages: %ld\nseconds: %.3f\nmessages/s: %.0f\npane lines (combined): %zu\n", delivered, seconds,
              static_cast<double>(delivered) / seconds,
              withDisplay
                  ? session.Monitor.Display.TransmitMemo.LineCount() + session.Monitor.Display.ReceiveMemo.LineCount()
                  : counting.lines);
  return 0;
}
