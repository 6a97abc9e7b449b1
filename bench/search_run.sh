#!/usr/bin/env bash
# The full-text search against `grep -r -l -F -i`, in one run over the same
# pages: the generated 10,000-page manual (bench/gen_pages.py, about 159 MB with
# its file.ind) packed with remont-tool into BUILDDIR/bench-search/manual.dat,
# and extracted again into BUILDDIR/bench-search/pages for grep. Words: one on
# 1 % of the pages, one that occurs nowhere. Ends with callgrind's instructions
# per byte of a whole search (reading the pages from the archive included).
# usage: bench/search_run.sh BUILDDIR [ROUNDS]
set -euo pipefail
build=$(cd "${1:?usage: search_run.sh BUILDDIR [ROUNDS]}" && pwd)
rounds=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/ensure_pages.sh" "$build"
cmake --build "$build" -j2 --target remont-tool search_bench > /dev/null

work="$build/bench-search"
mkdir -p "$work"
if [ ! -f "$work/manual.dat" ] || [ "$pages/file.ind" -nt "$work/manual.dat" ]; then
  echo "packing $work/manual.dat"
  "$build/bin/remont-tool" pack "$work/manual.dat" "$pages"
  rm -rf "$work/pages"
fi
if [ ! -d "$work/pages" ]; then
  "$build/bin/remont-tool" extract "$work/manual.dat" "$work/pages.tmp"
  mv "$work/pages.tmp" "$work/pages"
fi

planted="сальник"
absent="гидрокорректор"
echo "archive: $(stat -c %s "$work/manual.dat") bytes; $(nproc) cores; $(grep --version | head -1)"
"$build/bin/search_bench" "$work/manual.dat" "$work/pages" "$planted" "$absent" --rounds "$rounds"

echo
if command -v valgrind > /dev/null; then
  limit=500
  out="$build/bench-callgrind"
  mkdir -p "$out"
  valgrind --tool=callgrind --callgrind-out-file="$out/search.out" --toggle-collect='remont::SearchPages*' \
    "$build/bin/search_bench" "$work/manual.dat" --once "$absent" --limit "$limit" > "$out/search.txt" 2> "$out/search-valgrind.txt"
  bytes=$(awk '$1=="bytes"{print $2}' "$out/search.txt")
  ir=$(awk '/^summary:/{print $2}' "$out/search.out")
  awk -v ir="$ir" -v b="$bytes" -v n="$limit" \
    'BEGIN { printf "callgrind: search for a word found nowhere, %d pages, %d bytes: %.2f instructions/byte\n", n, b, ir / b }'
else
  echo "valgrind missing: instructions per byte skipped"
fi
