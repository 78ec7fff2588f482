#!/usr/bin/env bash
# zelvo-pci-sim from outside: the basic-mode echo over TCP and over the
# pseudo-terminal, a reconnecting client, a smart-mode reply, option and
# configuration errors, and a clean stop that removes the pty link.
set -u
bin="$1/zelvo-pci-sim"
work=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail=0
problem() { echo "FAIL: $*"; fail=1; }

# Start on a random high loopback port; try again if it is taken.
port=""
for attempt in 1 2 3 4 5; do
  p=$((20000 + RANDOM % 40000))
  "$bin" --tcp "127.0.0.1:$p" --pty "$work/pci" >"$work/out" 2>"$work/err" &
  pid=$!
  for _ in $(seq 50); do
    grep -q "^zelvo-pci-sim: link " "$work/out" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if grep -q "listening on 127.0.0.1:$p" "$work/out" 2>/dev/null; then port=$p; break; fi
  wait "$pid" 2>/dev/null; pid=""
done
[ -n "$port" ] || { echo "FAIL: the simulator did not start"; cat "$work/err"; exit 1; }

# TCP: the reset is echoed in basic mode; a second connection works the same.
tcp_exchange() {  # text to send, number of bytes to read back
  exec 4<>"/dev/tcp/127.0.0.1/$port" || return 1
  printf '%b' "$1" >&4
  local reply=""
  IFS= read -r -d '' -t 3 -N "$2" -u 4 reply
  exec 4>&-
  printf '%s' "$reply"
}
[ "$(tcp_exchange '~~~\r' 4)" = $'~~~\r' ] || problem "no echo of ~~~ over TCP"
[ "$(tcp_exchange '~~~\r' 4)" = $'~~~\r' ] || problem "no echo after reconnecting"
# Default mode, then the interface's version: the 86 header, then 8902 and "4.00".
got=$(tcp_exchange '~~~\rA3300051\r2102\r' 64)
case "$got" in
  *$'\r\n'860101008902342E3030*) ;;
  *) problem "version reply over TCP: [$got]" ;;
esac

# The pseudo-terminal, through the link the simulator made.
[ -L "$work/pci" ] || problem "no pty link"
dev=$(sed -n 's/^zelvo-pci-sim: pty //p' "$work/out")
[ -c "$dev" ] || problem "pty device [$dev] missing"
exec 5<>"$work/pci"
printf '~~~\r' >&5
# (head, not bash's read: read would change the terminal's modes while it waits)
reply=$(timeout 3 head -c 4 <&5 | od -An -c | tr -d ' \n')
[ "$reply" = '~~~\r' ] || problem "no echo of ~~~ over the pty: [$reply]"
exec 5>&-

# A clean stop removes the link.
kill -TERM "$pid"
wait "$pid"; status=$?
pid=""
[ "$status" -eq 0 ] || problem "exit status $status after SIGTERM"
[ ! -e "$work/pci" ] || problem "pty link left behind"

# Errors name the option, or the file, line and key.
printf '[unit]\naddress = XY\n' >"$work/bad.ini"
msg=$("$bin" --network "$work/bad.ini" 2>&1); status=$?
[ "$status" -eq 2 ] || problem "bad network file: status $status"
[ "$msg" = "zelvo-pci-sim: $work/bad.ini:2: key 'address' in [unit]: expected a hex byte, got 'XY'" ] ||
  problem "bad network file message: [$msg]"
msg=$("$bin" --fault sneeze 2>&1); status=$?
[ "$status" -eq 2 ] && [ "$msg" = "zelvo-pci-sim: unknown fault sneeze (try --help)" ] || problem "unknown fault: [$msg]"
"$bin" --help | grep -q "^Usage: zelvo-pci-sim" || problem "--help"
"$bin" --dump-network | grep -q "^\[pci\]" || problem "--dump-network"
exit $fail
