#!/usr/bin/env bash
# Sets up, builds and runs every test: the sanitizer test build (ASan + UBSan,
# warnings as errors) with all suites, then bounded fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs"
ctest --preset test
scripts/fuzz.sh "${ZELVO_FUZZ_SECONDS:-30}"
echo "All tests passed."
