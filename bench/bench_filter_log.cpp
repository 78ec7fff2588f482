// "Filter Log File..." over a generated command log of 1,000,000 lines.
//
//   bench_filter_log                         Google Benchmark run (makes its own log)
//   bench_filter_log --generate FILE [N]     writes a log of N lines (default 1,000,000)
//   bench_filter_log --filter FILE OUT [all] filters FILE into OUT once, prints the time
//                                            (all: the cleared filter, every message passes)
//
// bench/filter_log_vs_grep.sh compares the filter with grep on one file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "diagnostics/InterfaceState.h"
#include "monitor/CommandLog.h"
#include "monitor/Filter.h"
#include "shell/Session.h"

namespace {

constexpr int kDefaultLines = 1000000;

// A user's filter: the local network, units 10 to 20.
const zelvo::TCriteriaList kCriteria = {"Local", "10-20", "2"};

// Lines as the monitor logs them: a command, its decoded line, the
// interface's confirmation, received traffic with decoded lines, comments.
std::vector<std::string> Pattern() {
  return {
      "09:05:07  Tx : \\0538007901<CR>",
      "09:05:07  Tx :  = Local Network, Multipoint, Lighting, GA 01 On",
      "09:05:07  Rx : g.",
      "09:05:07  Rx :  = OK",
      "09:05:07  Rx : 050C3800790E00<CR>",
      "09:05:07  Rx :  = Local Network, Source Unit 12, Lighting, GA 14 On",
      "09:05:08  Rx : 860C0C00A3300051<CR>",
      "09:05:08  Rx :  = Local Network, Source Unit 12, System Message",
      "09:05:08  Rx : 86010C02030CA3300051<CR>",
      "09:05:08  Rx :  = Network 0103, Source Unit 12, System Message",
      "09:05:08  Tx : \\06100000A3300051<CR>",
      "09:05:08  Tx :  = Local Network, Dest Unit 16, System Message",
      "09:05:09  Rx : 05150000CA0001020305<CR>",
      "09:05:09  Rx : 050CCE00050102030405AB<CR>",
      "09:05:09  Rx : 050CDF000D010203040506070809<CR>",
      "## : comment line",
  };
}

bool Generate(const std::string& path, int lines) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const auto pattern = Pattern();
  for (int i = 0; i < lines; ++i) {
    const std::string& l = pattern[static_cast<std::size_t>(i) % pattern.size()];
    std::fwrite(l.data(), 1, l.size(), f);
    std::fwrite("\r\n", 1, 2, f);
  }
  return std::fclose(f) == 0;
}

bool RunFilter(const std::string& in, const std::string& out, bool all) {
  zelvo::Session session;
  session.Interface.InterfaceOptions1 = zelvo::kDefaultModeOptions;
  const auto criteria = zelvo::CompileCriteria(all ? zelvo::ClearedCriteria() : kCriteria);
  return zelvo::FilterLogFile(session.Decoder, criteria, in, out, [] {});
}

void BM_FilterLogFile(benchmark::State& state) {
  const auto dir = std::filesystem::temp_directory_path();
  const std::string in = (dir / "zelvo_bench_filter_in.txt").string();
  const std::string out = (dir / "zelvo_bench_filter_out.txt").string();
  const int lines = static_cast<int>(state.range(0));
  const bool all = state.range(1) != 0;
  if (!Generate(in, lines)) {
    state.SkipWithError("cannot write the log");
    return;
  }
  for (auto _ : state) {
    if (!RunFilter(in, out, all)) state.SkipWithError("filter failed");
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(std::filesystem::file_size(in)));
  std::filesystem::remove(in);
  std::filesystem::remove(out);
}
BENCHMARK(BM_FilterLogFile)
    ->ArgNames({"lines", "all"})
    ->Args({kDefaultLines, 0})
    ->Args({kDefaultLines, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string_view(argv[1]) == "--generate") {
    const int lines = argc >= 4 ? std::atoi(argv[3]) : kDefaultLines;
    return Generate(argv[2], lines) ? 0 : 1;
  }
  if (argc >= 4 && std::string_view(argv[1]) == "--filter") {
    const auto start = std::chrono::steady_clock::now();
    const bool ok = RunFilter(argv[2], argv[3], argc >= 5 && std::string_view(argv[4]) == "all");
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.1f\n", ms);
    return ok ? 0 : 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
