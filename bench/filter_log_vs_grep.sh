#!/usr/bin/env bash
# Times "Filter Log File..." and `grep -c "x :"` on the same generated log
# of 1,000,000 lines, in the same run, and prints both.
#   bench/filter_log_vs_grep.sh [path/to/bench_filter_log] [lines]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
bin="${1:-$here/../build/release/bench/bench_filter_log}"
lines="${2:-1000000}"
[ -x "$bin" ] || { echo "build it first: cmake --preset release -DZELVO_BUILD_GUI=OFF && cmake --build --preset release --target bench_filter_log" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
log="$work/log.txt"
"$bin" --generate "$log" "$lines"
cat "$log" > /dev/null  # both runs start from the page cache

now_ms() { date +%s%N | awk '{ printf "%.1f", $1 / 1000000 }'; }

t0=$(now_ms)
count=$(grep -c "x :" "$log")
t1=$(now_ms)
grep_ms=$(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f", b - a }')

filter_ms=$("$bin" --filter "$log" "$work/filtered.txt")
out_lines=$(wc -l < "$work/filtered.txt")
all_ms=$("$bin" --filter "$log" "$work/all.txt" all)
all_lines=$(wc -l < "$work/all.txt")

echo "log: $lines lines, $(stat -c %s "$log") bytes, $count with \"x :\""
echo "grep -c \"x :\":      ${grep_ms} ms"
echo "Filter Log File, Local + units 10-20: ${filter_ms} ms ($out_lines lines written)"
echo "Filter Log File, cleared filter:       ${all_ms} ms ($all_lines lines written)"
awk -v f="$filter_ms" -v a="$all_ms" -v g="$grep_ms" 'BEGIN { if (g > 0) printf "ratio to grep: %.1f x and %.1f x (target: at most 5)\n", f / g, a / g }'
