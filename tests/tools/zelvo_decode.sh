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
# Media transport: a command, and a two-packet name reassembled across lines.
check "Local Network, Source Unit 12, Media Transport Ctl, Transport: Forward  8x on 1" "$bin" 050CC000520106D6
check $'Transport: Track Name on MLG 1 Current, Packet 1 of 2, "Hel"\nTransport: Track Name on MLG 1 Current, Packet 2 of 2, "lo!", complete = "Hello!"' \
  bash -c "printf '050CC00085010448656C8C\n050CC0008501056C6F21A8\n' | '$bin' --flags 8"
# The last packet alone: its missing first packet shows as " ... ".
check 'Transport: Track Name on MLG 1 Current, Packet 2 of 2, "lo!", complete = " ... lo!"' "$bin" --flags 8 050CC0008501056C6F21A8
# Short information: the weather forecast packet; live, the whole message follows.
wx="Info: Weather Forecast, Packet 1 of 1, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text"
check "Local Network, Source Unit 12, Short Info Msg, $wx" "$bin" 050CAD008900C100EB0146696E658A
check $"$wx"$'\n * Info: Weather Forecast, Num = 23.5, Symbol = 1 - Cloudy, 4 bytes of text = "Fine"' \
  "$bin" --live --flags 8 050CAD008900C100EB0146696E658A
# Three live packets (one repeated); a character split across packets joins up.
check $'Info: Generic Text, Packet 1 of 3, 2 bytes of text\nInfo: Generic Text, Packet 2 of 3, 1 bytes of text\nInfo: Generic Text, Packet 2 of 3, 1 bytes of text, DUPLICATE OR OUT-OF-ORDER\nInfo: Generic Text, Packet 3 of 3, 4 bytes of text\n * Info: Generic Text, 7 bytes of text = "abc\xC3\xA9!!"' \
  bash -c "printf '050CAD008410006162EB\n050CAD00831100634B\n050CAD00831100634B\n050CAD00861200C3A92121FC\n' | '$bin' --live --flags 8"
# Application commands: --flags 8 gives the command text alone.
check "Error Report: Output:Relay, Device 5, Minor Failure, Flags: MostSevere, Data = 0102" "$bin" --flags 8 050CCE0015D40A05010226
check "Error Report: Output:Relay, Device 1A, Minor Failure, Flags: MostSevere, Data = 0102" "$bin" --flags 8 --hex-numbers 050CCE0015D40A1A010211
check "Temp Brdcst: Grp 1 is at  5.0 C" "$bin" --flags 8 050C1900020114BF
check "Temp Brdcst: Grp 1A is at 22.5 C" "$bin" --flags 8 --hex-numbers 050C1900021A5A60
check "Clocks: Date: Sunday 25/12/2011" "$bin" --flags 8 050CDF000E0207DB0C1906F3
check "Local Network, Source Unit 12, Measurement, Measurement: Device 1 Channel 2 = 22.5 C" "$bin" 050CE4000E010200FF00E11A
check "Security: Zone 15 Unsealed" "$bin" --flags 8 --hex-numbers 050CD0000A860F80
check "Access: Point Left Open, Network 0A, Access Point 1B" "$bin" --flags 8 --hex-numbers 050CD500120A1BE3
check "Tele: Divert to 9876" "$bin" --flags 8 050CE000A5833938373609
# Errors name the option and exit with status 2.
"$bin" --bogus >/dev/null 2>&1; [ $? -eq 2 ] || { echo "FAIL: --bogus status"; fail=1; }
check "zelvo-decode: unknown option --bogus (try --help)" "$bin" --bogus
check "zelvo-decode: --options1 needs one hex byte: XYZ" "$bin" --options1 XYZ
"$bin" --pci-address 300 >/dev/null 2>&1; [ $? -eq 2 ] || { echo "FAIL: --pci-address range"; fail=1; }
"$bin" --help | grep -q "Usage: zelvo-decode" || { echo "FAIL: --help"; fail=1; }
"$bin" --version | grep -q "^zelvo-decode " || { echo "FAIL: --version"; fail=1; }
exit $fail
