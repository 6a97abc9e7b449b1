#!/usr/bin/env bash
# Makes sure BUILDDIR/bench-pages holds the generated 10,000-page manual of
# gen_pages.py (regenerated when missing or made by an older generator without
# file.ind). Sourced by the scanner and search benchmarks: sets $pages.
# usage: . bench/ensure_pages.sh BUILDDIR
pages="$1/bench-pages"
if [ ! -f "$pages/file.ind" ]; then
  echo "generating pages into $pages"
  rm -rf "$pages" "$pages.tmp"
  python3 "$(dirname "${BASH_SOURCE[0]}")/gen_pages.py" "$pages.tmp"
  mv "$pages.tmp" "$pages"
fi
