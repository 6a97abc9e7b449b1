#!/usr/bin/env bash
# Runs every benchmark against data generated once under <builddir>/bench-data.
# Usage: bench/run.sh <builddir>
# To add a benchmark: build it as bin/<name>_bench (bench/CMakeLists.txt) and
# append <name>_bench to BENCHES below; it receives the packed archive path
# as its first argument and REMONT_BENCH_DATA in the environment.
set -euo pipefail
BUILD="${1:?usage: bench/run.sh <builddir>}"
HERE="$(cd "$(dirname "$0")" && pwd)"
BUILD="$(cd "$BUILD" && pwd)"
DATA="$BUILD/bench-data"

BENCHES=(archive_bench)
# The page benchmark needs the Qt build.
if cmake --build "$BUILD" --target help 2>/dev/null | grep -q pages_bench; then
  BENCHES+=(pages_bench)
fi
# The print benchmark pages the demo manual's longest page (Qt build too).
if cmake --build "$BUILD" --target help 2>/dev/null | grep -q print_bench; then
  BENCHES+=(print_bench)
fi

cmake --build "$BUILD" -j2 --target remont-tool "${BENCHES[@]}"

if [ ! -f "$DATA/manual.done" ]; then
  rm -rf "$DATA/manual"
  mkdir -p "$DATA"
  echo "== generating $DATA/manual"
  python3 "$HERE/gen_manual" "$DATA/manual"
  touch "$DATA/manual.done"
fi
if [ ! -f "$DATA/manual.dat" ] || [ "$DATA/manual.done" -nt "$DATA/manual.dat" ]; then
  echo "== packing $DATA/manual.dat"
  "$BUILD/bin/remont-tool" pack --scramble 'secure/**' "$DATA/manual.dat" "$DATA/manual"
fi

export REMONT_BENCH_DATA="$DATA"
for b in "${BENCHES[@]}"; do
  echo "== $b"
  "$BUILD/bin/$b" "$DATA/manual.dat"
done

# Families with their own references and data.
for extra in scanner_run.sh search_run.sh pages_run.sh; do
  if [ -x "$HERE/$extra" ]; then
    echo "== ${extra%.sh}"
    "$HERE/$extra" "$BUILD"
  fi
done
