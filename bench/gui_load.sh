#!/usr/bin/env bash
# Load check of the desktop window: zelvo-pci-sim sends 2,000 messages per
# second for a minute while the window shows them with command logging on.
# Reports the event loop's lateness (a 10 ms heartbeat inside the program),
# the panes' line counts, the resident memory over the run and whether every
# received message reached the command log.
#   bench/gui_load.sh [seconds] [messages-per-second]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
rate=${2:-2000}
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target zelvo-diagnostic zelvo-pci-sim
bin=build/release

work=$(mktemp -d)
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# The simulator on a free loopback port.
"$bin/zelvo-pci-sim" --tcp 127.0.0.1:0 --traffic "$rate" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q "listening on" "$work/sim.out" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/sim.out" | head -1)
[ -n "$port" ] || { echo "zelvo-pci-sim did not start"; cat "$work/sim.out"; exit 1; }

# A fresh settings store and data folder; logs go where the program writes
# them (its folder when writable), so note what is there before.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export ZELVO_HEARTBEAT="$work/heartbeat.txt" ZELVO_HEARTBEAT_SECONDS=$((seconds + 2))
touch "$work/start"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} \
  "$bin/zelvo-diagnostic" "/tcpip=127.0.0.1:$port" /autoconnect /logging 2>"$work/gui.err" || true
kill "$sim_pid" 2>/dev/null || true

logs=$(find "$bin" "$work/data" -maxdepth 3 -name '*_log.txt' -newer "$work/start" 2>/dev/null | sort || true)
log_lines=0
logged_messages=0
for f in $logs; do
  log_lines=$((log_lines + $(wc -l <"$f")))
  logged_messages=$((logged_messages + $(grep -c '^[0-9:. ]*Rx : [0-9A-Fa-f]*<CR>' "$f" || true)))
  mv "$f" "$work/"
done

echo "Load: $rate messages/s for ${seconds}s (release build, ${QT_QPA_PLATFORM:-offscreen})"
cat "$work/heartbeat.txt"
echo "command_log_files $(echo "$logs" | grep -c . || true)"
echo "command_log_lines $log_lines"
echo "command_log_received_messages $logged_messages"
received=$(sed -n 's/^received_messages_while_logging //p' "$work/heartbeat.txt")
tx=$(sed -n 's/^transmit_pane_lines_max //p' "$work/heartbeat.txt")
rx=$(sed -n 's/^receive_pane_lines_max //p' "$work/heartbeat.txt")
ok=1
[ "$tx" -le 200 ] && [ "$rx" -le 200 ] || { echo "CHECK FAILED: a pane held more than 200 lines"; ok=0; }
# Every message ended by a carriage return is one "Rx : ...<CR>" log line
# (the confirmations of the start-up commands end otherwise).
[ "$logged_messages" -ge "$received" ] || { echo "CHECK FAILED: $((received - logged_messages)) messages missing from the log"; ok=0; }
echo "figures and logs in $work"
[ $ok = 1 ] && echo "checks passed"
