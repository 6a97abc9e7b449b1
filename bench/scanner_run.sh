#!/usr/bin/env bash
# The HTML text scanner against lexbor's tokenizer in the same process (taking
# turns, -O2 on both sides), and against htmlparser2 (Node) and `grep -c -F`
# measured in the same run, on two corpora: the generated 10,000-page manual
# (BUILDDIR/bench-pages) and real HTML copied from Debian's documentation
# packages into BUILDDIR/bench-real (a few *-doc packages are installed into the
# system first when /usr/share/doc holds almost none). lexbor is built from the
# peers folder (../shared/peers/lexbor beside the repository) into
# BUILDDIR/lexbor and BUILDDIR/lexbor-inst, and skipped with a note when that
# folder is absent; htmlparser2 is installed into BUILDDIR/bench-node. Nothing
# is written into the source tree. Ends with callgrind's instructions per byte.
# usage: bench/scanner_run.sh BUILDDIR [ROUNDS]
set -euo pipefail
build=$(cd "${1:?usage: scanner_run.sh BUILDDIR [ROUNDS]}" && pwd)
rounds=${2:-7}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/ensure_pages.sh" "$build"
absent=$(printf 'гидрокорректор' | iconv -f UTF-8 -t CP1251)  # in no page (gen_pages.py checks)
htmlparser2_version=9.1.0

# Real HTML: every .html/.htm file over 1 KB below /usr/share/doc, flattened.
real="$build/bench-real"
doc_bytes() { find /usr/share/doc \( -name '*.html' -o -name '*.htm' \) -type f -size +1k -printf '%s\n' 2>/dev/null | awk '{s+=$1} END {print s+0}'; }
if [ ! -d "$real" ]; then
  if [ "$(doc_bytes)" -lt 5000000 ] && command -v apt-get > /dev/null; then
    echo "installing documentation packages for real HTML"
    sudo_=""; [ "$(id -u)" -eq 0 ] || sudo_=sudo
    $sudo_ apt-get update -qq
    $sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debian-reference-en git-doc > /dev/null
  fi
  mkdir -p "$real.tmp"
  find /usr/share/doc \( -name '*.html' -o -name '*.htm' \) -type f -size +1k 2>/dev/null | sort | while read -r f; do
    rel=${f#/usr/share/doc/}
    cp "$f" "$real.tmp/${rel//\//_}"
  done
  mv "$real.tmp" "$real"
fi

# lexbor from the peers folder, built once into the build folder.
peers="$here/../../shared/peers/lexbor"
lexbor_inst=""
if [ -d "$peers" ]; then
  lexbor_inst="$build/lexbor-inst"
  if [ ! -f "$lexbor_inst/lib/liblexbor_static.a" ]; then
    echo "building lexbor into $build/lexbor"
    cmake -S "$peers" -B "$build/lexbor" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DLEXBOR_BUILD_SHARED=OFF -DLEXBOR_BUILD_STATIC=ON \
      -DCMAKE_INSTALL_PREFIX="$lexbor_inst" > /dev/null
    cmake --build "$build/lexbor" -j2 > /dev/null
    cmake --install "$build/lexbor" > /dev/null
  fi
else
  echo "NOTE: $peers is absent: lexbor is skipped"
fi
cmake -DREMONT_LEXBOR="$lexbor_inst" "$build" > /dev/null
cmake --build "$build" -j2 --target scanner_bench > /dev/null

node_dir="$build/bench-node"
have_node=""
if command -v node > /dev/null && command -v npm > /dev/null; then
  if [ ! -f "$node_dir/node_modules/htmlparser2/package.json" ] ||
    ! grep -q "\"version\": \"$htmlparser2_version\"" "$node_dir/node_modules/htmlparser2/package.json"; then
    mkdir -p "$node_dir"
    (cd "$node_dir" && npm install --silent --no-audit --no-fund --save-exact "htmlparser2@$htmlparser2_version" > /dev/null)
  fi
  have_node=1
else
  echo "NOTE: node/npm missing: htmlparser2 is skipped"
fi

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
for corpus in "$pages" "$real"; do
  echo
  echo "== $corpus"
  ours=$("$build/bin/scanner_bench" "$corpus" --rounds "$rounds")
  echo "$ours" | grep -v '^mbps '
  bytes=$(echo "$ours" | awk '$1=="bytes"{print $2}')
  text_mbps=$(echo "$ours" | awk '$1=="mbps" && $2=="bytes-text"{print $3}')
  all_mbps=$(echo "$ours" | awk '$1=="mbps" && $2=="bytes-all"{print $3}')
  report() { printf '  %-34s best %7.1f MB/s  (scanner all events %sx, text only %sx this)\n' "$1" "$2" \
    "$(ratio "$all_mbps" "$2")" "$(ratio "$text_mbps" "$2")"; }
  if [ -n "$have_node" ]; then
    hp=$(NODE_PATH="$node_dir/node_modules" node "$here/htmlparser2_bench.js" "$corpus" --reps "$rounds")
    report "htmlparser2@$htmlparser2_version (node $(node --version))" "$(echo "$hp" | awk '$1=="htmlparser2_mbps"{print $2}')"
  fi
  best_grep=""
  for _ in 1 2 3; do
    t0=$(date +%s.%N)
    (LC_ALL=C grep -r -c -F --include="*.htm" --include="*.html" -- "$absent" "$corpus" > /dev/null || true)
    t1=$(date +%s.%N)
    s=$(awk -v a="$t0" -v b="$t1" 'BEGIN { print b - a }')
    if [ -z "$best_grep" ] || awk -v s="$s" -v b="$best_grep" 'BEGIN { exit !(s < b) }'; then best_grep=$s; fi
  done
  report "grep -c -F (a word in no page)" "$(awk -v b="$bytes" -v s="$best_grep" 'BEGIN { printf "%.1f", b / s / 1e6 }')"
done

echo
if command -v valgrind > /dev/null; then
  echo "callgrind, generated pages:"
  "$here/scanner_callgrind.sh" "$build" "$pages" 200
  echo "callgrind, real HTML:"
  "$here/scanner_callgrind.sh" "$build" "$real" 60
else
  echo "NOTE: valgrind missing: instructions per byte skipped"
fi
