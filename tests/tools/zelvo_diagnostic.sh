#!/usr/bin/env bash
# zelvo-diagnostic's conventional options work without a display.
set -u
bin="$1/zelvo-diagnostic"
[ -x "$bin" ] || { echo "zelvo-diagnostic not built: skipped"; exit 0; }
fail=0
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --help) || { echo "FAIL: --help exit code"; fail=1; }
grep -q "/tcpip=ADDRESS:PORT" <<<"$out" || { echo "FAIL: --help text"; fail=1; }
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$bin" --version) || { echo "FAIL: --version exit code"; fail=1; }
grep -q "^zelvo-diagnostic [0-9]" <<<"$out" || { echo "FAIL: --version text: $out"; fail=1; }
exit $fail
