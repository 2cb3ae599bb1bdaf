#!/usr/bin/env bash
# The run's open-ahead on many small files: tallyfox-check on 20,000 cached files of
# 4 KiB (MD5, where small files are also read ahead, and SFV) against md5sum -c and
# cksfv -f in the same run. Given a second tallyfox-check (say, one built from an
# earlier commit), times it too and prints this build's speed relative to it.
# Usage: bench/openahead.sh [runs] [other-tallyfox-check]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
other=${2:-}
. bench/common.sh

bench_build OFF tallyfox-check
check=$PWD/$build/src/cli/tallyfox-check
small=$(small_files)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

min() { awk -v a="$1" -v b="$2" 'BEGIN { print (b == "" || a < b) ? a : b }'; }

# The tools take turns, one run each per round, so that load from elsewhere on the
# machine falls on all of them alike; each keeps its best time.
cd "$small"
md5="" md5sum="" sfv="" cksfv="" other_md5="" other_sfv=""
for _ in $(seq "$runs"); do
  md5=$(min "$(best_seconds 1 "$check" list.md5)" "$md5")
  md5sum=$(min "$(best_seconds 1 md5sum -c --quiet list.md5)" "$md5sum")
  sfv=$(min "$(best_seconds 1 "$check" list.sfv)" "$sfv")
  cksfv=$(min "$(best_seconds 1 cksfv -q -f list.sfv)" "$cksfv")
  if [ -n "$other" ]; then
    other_md5=$(min "$(best_seconds 1 "$other" list.md5)" "$other_md5")
    other_sfv=$(min "$(best_seconds 1 "$other" list.sfv)" "$other_sfv")
  fi
done
echo "20,000 files of 4 KiB, best of $runs (seconds)"
printf '  this build   MD5 %s  SFV %s\n' "$md5" "$sfv"
printf '  md5sum -c    MD5 %s   cksfv -f SFV %s\n' "$md5sum" "$cksfv"
printf '  this build against the peers: MD5 x%s over md5sum -c, SFV x%s over cksfv -f\n' \
  "$(ratio "$md5sum" "$md5")" "$(ratio "$cksfv" "$sfv")"
if [ -n "$other" ]; then
  printf '  other build  MD5 %s  SFV %s\n' "$other_md5" "$other_sfv"
  printf '  this build relative to the other (above 1: faster): MD5 %s, SFV %s\n' \
    "$(ratio "$other_md5" "$md5")" "$(ratio "$other_sfv" "$sfv")"
fi
