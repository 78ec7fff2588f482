#!/usr/bin/env bash
# Sets up, builds and starts the tool. Until the desktop window lands this
# decodes a few sample messages with the command-line decoder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
echo "Decoding sample messages with zelvo-decode:"
for m in '050C3800790539' '\0538007901' '\03011202387905' 'g.' 'h#' '!' '860C0C00A3300051'; do
  printf '  %-18s -> %s\n' "$m" "$(build/dev/tools/zelvo-decode --stored "$m")"
done
