#!/usr/bin/env bash
# Sets up, builds and starts the tool: the simulated PC Interface on
# 127.0.0.1:14000 and the desktop window connected to it. Closing the window
# stops the simulator. Extra arguments go to zelvo-diagnostic in place of the
# default link (for example: scripts/run.sh /serial=/dev/ttyUSB0).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"

bin=build/dev
args=("$@")
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ ${#args[@]} -eq 0 ]; then
  if [ -x "$bin/zelvo-pci-sim" ]; then
    "$bin/zelvo-pci-sim" --tcp 127.0.0.1:14000 --traffic 2 &
    sim_pid=$!
    sleep 0.5
    kill -0 "$sim_pid" 2>/dev/null || { echo "zelvo-pci-sim did not start (port 14000 in use?)"; sim_pid=""; }
    args=(/tcpip=127.0.0.1:14000 /autoconnect)
  else
    echo "zelvo-pci-sim is not built: starting the window without a simulated interface."
  fi
fi

run=("$bin/zelvo-diagnostic" "${args[@]}")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: running the window under Xvfb (nothing will be visible)."
  run=(xvfb-run -a "${run[@]}")
fi
"${run[@]}"
