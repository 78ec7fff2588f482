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
# Application decoders, one message each.
check "Local Network, Source Unit 12, HVAC, HVAC: Zone Temperature, Zone Group 1, Zones 0 (Expansion), 22.50°C, No Error" \
  "$bin" 050CAC0015018116800000
check "HVAC: Set Plant Level, Zone Group 1, Zones 0, Mode: Cool Only, Flags: None, Type: Furnace (Gas, Oil, etc), Level: -2" \
  "$bin" --flags 8 050CAC003601010201FE0000
check "HVAC: Set Plant Level, Zone Group 01, Zones 0, Mode: Cool Only, Flags: None, Type: Furnace (Gas, Oil, etc), Level: FE" \
  "$bin" --flags 8 --hex-numbers 050CAC003601010201FE0000
check "HVAC: Schedule Entry, Zone Group 1, Zones 0, Entry 2, Format: 4 (each day), Mode: Cool Only, Flags: Setback, Start Sun 23:59, Set Level 20.00°C" \
  "$bin" --flags 8 050CAC00890101020312059F140000
check "Local Network, Source Unit 12, Adv Scene Mgt, Scn: Fade TG=3, Amount=-50%, Time=50 sec, Options=Off+Modify, Cross-Fade, Inh:2" \
  "$bin" 050CC9000503CE40051A00
check "Scn: , Ignore Levels on UA 7" "$bin" --flags 8 050CC9005A010700
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
