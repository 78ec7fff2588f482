#!/usr/bin/env bash
# zelvo-decode from outside: arguments, standard input, options and errors.
set -u
bin="$1/tools/zelvo-decode"
fail=0
check() {  # expected, then the command line
  local expected="$1"; shift
  local got
  got=$("$@" 2>&1)
  if [ "$got" != "$expected" ]; then
    echo "FAIL: $*"; echo "  expected: [$expected]"; echo "  got:      [$got]"; fail=1
  fi
}
check "OK" "$bin" g.
check "Checksum Error or Buffers Full" "$bin" '!'
check "Local Network, Source Unit 12, System Message" "$bin" 860C0C00A3300051
check "Local Network, Source Unit 0C, System Message" "$bin" --hex-numbers 860C0C00A3300051
check "Dest Unit 1, System Message" "$bin" --flags 1 --transmitted --pci-address 1 @A3300051
check "Network 0102, Multipoint" "$bin" --flags 3 --transmitted '\03011202047905'
# Application commands.
check "Local Network, Source Unit 12, Lighting, GA 5 On" "$bin" 050C3800790539
check "Source Unit 12, Lighting, GA 5 On" "$bin" --flags 13 050C3800790539
check "Source Unit 12, Lighting, GA 5 Ramp to 50% at 4s rate; GA 6 Set to 128" "$bin" --flags 13 050C38000A057F02068000
check "Source Unit 0C, Lighting, GA 06 Set to 80" "$bin" --flags 13 --hex-numbers 050C380002068000
check "Learn Initiate Relay, GA 5, BAD CHECKSUM" "$bin" --flags 8 050C3800030105FB00
check "Ctrl:  - Unknown" "$bin" --flags 8 050CCA00690300
check "Network 0102, Multipoint, Lighting, GA 5 On" "$bin" --flags 31 --transmitted '\03011202387905'
check "Installation MMI Request; Status MMI Request, Application 56" "$bin" --flags 8 050CFF007AFF007A380000
check "Status MMI, Application 56, Block Start = 32" "$bin" D8382000000000
check "Extended Format MMI, Non-Local, Level MMI, Application 56, Block Start = 32" "$bin" E747382000
check "MRA: Mux 1, Zone 1, Volume Ramp to -7.5dB at 4s rate" "$bin" --flags 8 050CCD000A494000
check "MRA: Hi Priority Mux 1, All Zones, Set Feed 1, Volume Set to 6.0dB" "$bin" --flags 8 050CCD000AC18000
# Lines stay aligned: an undecodable line gives an empty line.
check $'OK\n\nNo Acknowledgement' bash -c "printf 'g.\r\nzz\nh#\n' | '$bin'"
# Basic mode rebuilds the reply, and so it no longer decodes.
check "" "$bin" --basic g.
# State carries over: a command to the local PCI makes the next reply local.
check "OK" "$bin" --stored g.
# Errors name the option and exit with status 2.
"$bin" --bogus >/dev/null 2>&1; [ $? -eq 2 ] || { echo "FAIL: --bogus status"; fail=1; }
check "zelvo-decode: unknown option --bogus (try --help)" "$bin" --bogus
check "zelvo-decode: --options1 needs one hex byte: XYZ" "$bin" --options1 XYZ
"$bin" --pci-address 300 >/dev/null 2>&1; [ $? -eq 2 ] || { echo "FAIL: --pci-address range"; fail=1; }
"$bin" --help | grep -q "Usage: zelvo-decode" || { echo "FAIL: --help"; fail=1; }
"$bin" --version | grep -q "^zelvo-decode " || { echo "FAIL: --version"; fail=1; }
exit $fail
