#!/usr/bin/env bash
# Instructions per byte of the HTML text scanner, counted by callgrind over the
# first PAGES pages (default 200): only what runs inside Parse is collected
# (the scan and its event handlers), then divided by the bytes scanned.
# usage: bench/scanner_callgrind.sh BUILDDIR [PAGES]
set -euo pipefail
build=$(cd "${1:?usage: scanner_callgrind.sh BUILDDIR [PAGES]}" && pwd)
pages_n=${2:-200}
here=$(cd "$(dirname "$0")" && pwd)
pages="$build/bench-pages"
[ -d "$pages" ] || python3 "$here/gen_pages.py" "$pages"
out="$build/bench-callgrind"
mkdir -p "$out"
valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.out" \
  --toggle-collect='remont::TLegHtmlParser::Parse()' \
  "$build/bin/scanner_bench" "$pages" --limit "$pages_n" --once > "$out/run.txt" 2> "$out/valgrind.txt"
bytes=$(awk '$1=="bytes"{print $2}' "$out/run.txt")
ir=$(awk '/^summary:/{print $2}' "$out/callgrind.out")
awk -v ir="$ir" -v b="$bytes" -v n="$pages_n" \
  'BEGIN { printf "callgrind: %d pages, %d bytes, %d instructions inside Parse: %.2f instructions/byte\n", n, b, ir, ir / b }'
