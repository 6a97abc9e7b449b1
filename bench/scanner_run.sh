#!/usr/bin/env bash
# The HTML text scanner against two references, in one run over the same pages:
# htmlparser2 (Node) and `grep -c -F`. Generates the 10,000-page manual into
# BUILDDIR/bench-pages when missing and installs htmlparser2 into
# BUILDDIR/bench-node (never into the source tree). Ends with callgrind's
# instructions per byte on 200 pages.
# usage: bench/scanner_run.sh BUILDDIR
set -euo pipefail
build=$(cd "${1:?usage: scanner_run.sh BUILDDIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
pages="$build/bench-pages"

if [ ! -d "$pages" ]; then
  echo "generating pages into $pages"
  python3 "$here/gen_pages.py" "$pages.tmp"
  mv "$pages.tmp" "$pages"
fi
cmake --build "$build" -j2 --target scanner_bench > /dev/null

ours=$("$build/bin/scanner_bench" "$pages")
echo "$ours" | sed 's/^/  scanner: /'
bytes=$(echo "$ours" | awk '$1=="bytes"{print $2}')
ours_mbps=$(echo "$ours" | awk '$1=="scanner_mbps"{print $2}')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
report() { printf '%-34s %9s MB/s   scanner is %sx this\n' "$1" "$2" "$(ratio "$ours_mbps" "$2")"; }

node_dir="$build/bench-node"
hp_mbps=""
if command -v node > /dev/null && command -v npm > /dev/null; then
  if [ ! -d "$node_dir/node_modules/htmlparser2" ]; then
    mkdir -p "$node_dir"
    (cd "$node_dir" && npm install --silent --no-audit --no-fund htmlparser2@9 > /dev/null)
  fi
  hp=$(NODE_PATH="$node_dir/node_modules" node "$here/htmlparser2_bench.js" "$pages")
  echo "$hp" | sed 's/^/  htmlparser2: /'
  hp_mbps=$(echo "$hp" | awk '$1=="htmlparser2_mbps"{print $2}')
else
  echo "node/npm missing: htmlparser2 skipped"
fi

# grep over the same files (read from the page cache: warmed by the runs above).
word="torque"
best_grep=""
for _ in 1 2 3; do
  t0=$(date +%s.%N)
  (cd "$pages" && grep -c -F "$word" -- *.htm > /dev/null)
  t1=$(date +%s.%N)
  s=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
  if [ -z "$best_grep" ] || awk -v s="$s" -v b="$best_grep" 'BEGIN { exit !(s < b) }'; then best_grep=$s; fi
done
grep_mbps=$(awk -v b="$bytes" -v s="$best_grep" 'BEGIN { printf "%.1f", b / s / 1e6 }')

echo
echo "pages: $(ls "$pages" | wc -l), $bytes bytes (MB = 10^6 bytes, best of 3)"
printf '%-34s %9s MB/s\n' "TLegHtmlParser (scanner_bench)" "$ours_mbps"
[ -n "$hp_mbps" ] && report "htmlparser2@9 (node $(node --version))" "$hp_mbps"
report "grep -c -F $word" "$grep_mbps"
echo
if command -v valgrind > /dev/null; then
  "$here/scanner_callgrind.sh" "$build" 200
else
  echo "valgrind missing: instructions per byte skipped"
fi
