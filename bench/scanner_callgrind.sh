#!/usr/bin/env bash
# Instructions per byte of each side of scanner_bench, counted by callgrind over
# the first PAGES pages of a folder (default 200): everything inside one timed
# pass is counted (bench_pass: the scanner made per page, the page taken in,
# the scan and the counting handlers), then divided by the bytes scanned.
# usage: bench/scanner_callgrind.sh BUILDDIR DIR [PAGES]
set -euo pipefail
build=$(cd "${1:?usage: scanner_callgrind.sh BUILDDIR DIR [PAGES]}" && pwd)
dir=${2:?usage: scanner_callgrind.sh BUILDDIR DIR [PAGES]}
pages_n=${3:-200}
out="$build/bench-callgrind"
mkdir -p "$out"
sides=$("$build/bin/scanner_bench" --sides)
for side in $sides; do
  valgrind --tool=callgrind --callgrind-out-file="$out/scanner-$side.out" --toggle-collect=bench_pass \
    "$build/bin/scanner_bench" "$dir" --limit "$pages_n" --once "$side" > "$out/scanner-$side.txt" 2> "$out/scanner-$side-valgrind.txt"
  bytes=$(awk '$1=="bytes"{print $2}' "$out/scanner-$side.txt")
  ir=$(awk '/^summary:/{print $2}' "$out/scanner-$side.out")
  awk -v ir="$ir" -v b="$bytes" -v s="$side" -v n="$pages_n" \
    'BEGIN { printf "  %-12s %6.2f instructions/byte (%d pages, %d bytes)\n", s, ir / b, n, b }'
done
