// DecodeMessage throughput on a mix of received and transmitted messages of
// every decoded application. Run: build/release/bench/bench_decode
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "decode/Decode.h"
#include "shell/Session.h"

namespace {

struct Sample {
  std::string text;
  int flags;
};

std::vector<Sample> MakeMix() {
  std::vector<Sample> mix = {
      {"050C3800790539", 15},
      {"050C38000A0580790679070539", 15},
      {"\\0538007901", 31},
      {"\\03011202387905", 31},
      {"860C0C00A3300051", 15},
      {"g.", 15},
      {"050CAC000905010203040506", 15},
      {"050CCE00050102030405AB", 15},
      {"050CDF000D010203040506070809", 15},
      {"050CE4000E010203040506AA", 15},
      {"050CD0000D01020304AA", 15},
      {"050CCD000905FF0102", 15},
      {"050CC0000901020304AA", 15},
      {"050CAD00890102030405060708AA", 15},
      {"050C1900020520AA", 15},
      {"D83800FF00AA55AA", 15},
      {"050CFF00FA0203AA", 15},
      {"@A3300051", 31},
  };
  return mix;
}

void BM_DecodeMessage(benchmark::State& state) {
  zelvo::Session session;
  session.Interface.InterfaceOptions1 = zelvo::kDefaultModeOptions;
  session.Interface.PCIAddress = 1;
  const auto mix = MakeMix();
  std::size_t i = 0;
  std::size_t chars = 0;
  for (auto _ : state) {
    const auto& s = mix[i];
    auto text = zelvo::DecodeMessage(session.Decoder, s.text, s.flags);
    chars += text.size();
    benchmark::DoNotOptimize(text);
    if (++i == mix.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["chars/msg"] = static_cast<double>(chars) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_DecodeMessage);

}  // namespace

BENCHMARK_MAIN();
