#!/usr/bin/env bash
# Peak memory of holding a list: tallyfox-check on SFV lists of 100,000 and 5,000,000
# tiny entries (names of missing files, so nothing is hashed), peak resident size from
# /usr/bin/time -v against the list's size, with cksfv -f on the same list as the peer.
# The peak on a one-entry list is the constant that the growth is measured above.
# Usage: bench/listmemory.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/common.sh

bench_build OFF tallyfox-check
check=$PWD/$build/src/cli/tallyfox-check
mkdir -p "$data/lists"

peak_kb() { /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ { print $2 }'; }

# The constant: the peak on a list of one entry.
one=$data/lists/tiny-1.sfv
printf '0 0\n' > "$one"
base=$(peak_kb "$check" "$one" || true)
echo "one entry: tallyfox-check peak $base KiB"

for rows in 100000 5000000; do
  list=$data/lists/tiny-$rows.sfv
  if [ ! -f "$list" ]; then
    awk -v n="$rows" 'BEGIN { for (i = 0; i < n; i++) printf "%x 0\n", i }' > "$list"
  fi
  size_kb=$(( $(stat -c %s "$list") / 1024 ))
  ours=$(peak_kb "$check" "$list" || true)
  peer=$(peak_kb cksfv -q -f "$list" || true)
  awk -v r="$rows" -v s="$size_kb" -v o="$ours" -v p="$peer" -v b="$base" 'BEGIN {
    printf "%9d entries, list %7d KiB: tallyfox-check peak %8d KiB (x%.1f the list; above one entry x%.1f), cksfv -f peak %6d KiB\n",
           r, s, o, o / s, (o - b) / s, p }'
done
