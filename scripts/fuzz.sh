#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for a bounded time
# (seconds per harness, default 30) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
for harness in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/${name#fuzz_}
  echo "Fuzzing $name for ${seconds}s"
  "$harness" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" $( [ -d "$seeds" ] && echo "$seeds" ) 2>build/fuzz/$name.log || {
    tail -50 build/fuzz/$name.log
    echo "Fuzzing $name found a fault (log above)"
    exit 1
  }
  grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" build/fuzz/$name.log | tail -1 || true
done
