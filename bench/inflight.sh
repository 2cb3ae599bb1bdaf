#!/usr/bin/env bash
# Several files in flight: tallyfox-check and tallyfox-create at --jobs 1 and --jobs N
# (default 2) against their peers, in one run on the same data:
#   cached    (a) 2,000 files of 1 MiB: MD5 against md5sum -c / md5sum
#             (b) 20,000 files of 4 KiB: SFV against rhash -c / --sfv and cksfv -f / cksfv
#   uncached  every file dropped from the page cache before each run (checked with
#             fincore): (c) 300 of the 1 MiB files (MD5)  (d) the 4 KiB files (SFV),
#             --jobs 1 against --jobs N and auto
# Prints the median wall time of RUNS runs (default 5) and the ratios.
# Usage: bench/inflight.sh [runs] [jobs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
jobs=${2:-2}
. bench/common.sh

bench_build OFF tallyfox-check tallyfox-create tallyfox_evict_cache
check=$PWD/$build/src/cli/tallyfox-check
create=$PWD/$build/src/cli/tallyfox-create
evict=$PWD/$build/bench/tallyfox_evict_cache

small=$(small_files)
medium=$data/medium
if [ ! -f "$medium/list.md5" ]; then
  rm -rf "$medium"; mkdir -p "$medium"
  (cd "$medium" && head -c $((2000 * 1024 * 1024)) /dev/urandom | split -b $((1024 * 1024)) -a 4 -d - m \
   && md5sum m* > list.md5 && head -n 300 list.md5 > first300.md5)
fi
cat "$medium"/m* > /dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# median_seconds RUNS PREPARE COMMAND...: the median wall time of RUNS runs of COMMAND,
# each after PREPARE (untimed; "true" for nothing).
median_seconds() {
  local count=$1 prepare=$2 start end; shift 2
  for _ in $(seq "$count"); do
    $prepare
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $((end - start))
  done | sort -n | awk '{ t[NR] = $1 } END { printf "%.4f", t[int((NR + 1) / 2)] / 1e9 }'
}

# Cached data stays cached: read it again before each run (untimed).
warm_medium() { cat "$medium"/m* > /dev/null; }
warm_small() { cat "$small"/f* > /dev/null; }
# Uncached: every file of the set dropped from the page cache; fincore must show none.
cold_first300() {
  (cd "$medium" && awk '{ print $2 }' first300.md5 | xargs "$evict")
  local resident
  resident=$(cd "$medium" && awk '{ print $2 }' first300.md5 | xargs fincore -b -n -o RES | awk '{ s += $1 } END { print s + 0 }')
  [ "$resident" -lt $((1024 * 1024)) ] || echo "  (warning: $resident bytes still cached)" >&2
}
cold_small() {
  (cd "$small" && ls | grep '^f' | xargs "$evict")
}

echo "cached, median of $runs runs each, --jobs $jobs unless said"
cd "$medium"
t1=$(median_seconds "$runs" warm_medium "$check" --jobs 1 list.md5)
tn=$(median_seconds "$runs" warm_medium "$check" --jobs "$jobs" list.md5)
peer=$(median_seconds "$runs" warm_medium md5sum -c --quiet list.md5)
echo "(a) check 2,000 x 1 MiB MD5: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  md5sum -c ${peer}s" \
     "=> x$(ratio "$peer" "$tn") md5sum -c (--jobs 1: x$(ratio "$peer" "$t1"))"
t1=$(median_seconds "$runs" warm_medium "$create" --md5 --jobs 1 -o "$out/t.md5" m*)
tn=$(median_seconds "$runs" warm_medium "$create" --md5 --jobs "$jobs" -o "$out/t.md5" m*)
peer=$(median_seconds "$runs" warm_medium sh -c 'md5sum "$@" > "$0"' "$out/m.md5" m*)
echo "    create 2,000 x 1 MiB MD5: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  md5sum ${peer}s" \
     "=> x$(ratio "$peer" "$tn") md5sum (--jobs 1: x$(ratio "$peer" "$t1"))"

cd "$small"
t1=$(median_seconds "$runs" warm_small "$check" --jobs 1 list.sfv)
tn=$(median_seconds "$runs" warm_small "$check" --jobs "$jobs" list.sfv)
rhash=$(median_seconds "$runs" warm_small rhash -c list.sfv)
cksfv=$(median_seconds "$runs" warm_small cksfv -q -f list.sfv)
fastest=$(awk -v a="$rhash" -v b="$cksfv" 'BEGIN { print (a < b ? a : b) }')
echo "(b) check 20,000 x 4 KiB SFV: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  rhash -c ${rhash}s  cksfv -f ${cksfv}s" \
     "=> x$(ratio "$fastest" "$tn") the fastest peer (--jobs 1: x$(ratio "$fastest" "$t1"))"
t1=$(median_seconds "$runs" warm_small "$create" --sfv --jobs 1 -o "$out/t.sfv" f*)
tn=$(median_seconds "$runs" warm_small "$create" --sfv --jobs "$jobs" -o "$out/t.sfv" f*)
rhash=$(median_seconds "$runs" warm_small sh -c 'rhash --sfv "$@" > "$0"' "$out/r.sfv" f*)
cksfv=$(median_seconds "$runs" warm_small sh -c 'cksfv -b "$@" > "$0"' "$out/c.sfv" f*)
fastest=$(awk -v a="$rhash" -v b="$cksfv" 'BEGIN { print (a < b ? a : b) }')
echo "    create 20,000 x 4 KiB SFV: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  rhash --sfv ${rhash}s  cksfv ${cksfv}s" \
     "=> x$(ratio "$fastest" "$tn") the fastest peer (--jobs 1: x$(ratio "$fastest" "$t1"))"

echo "uncached, median of $runs runs each"
cd "$medium"
t1=$(median_seconds "$runs" cold_first300 "$check" --jobs 1 first300.md5)
tn=$(median_seconds "$runs" cold_first300 "$check" --jobs "$jobs" first300.md5)
ta=$(median_seconds "$runs" cold_first300 "$check" first300.md5)
peer=$(median_seconds "$runs" cold_first300 md5sum -c --quiet first300.md5)
echo "(c) check 300 x 1 MiB MD5: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  auto ${ta}s  md5sum -c ${peer}s" \
     "=> --jobs $jobs x$(ratio "$t1" "$tn"), auto x$(ratio "$t1" "$ta") of --jobs 1"
cd "$small"
t1=$(median_seconds "$runs" cold_small "$check" --jobs 1 list.sfv)
tn=$(median_seconds "$runs" cold_small "$check" --jobs "$jobs" list.sfv)
ta=$(median_seconds "$runs" cold_small "$check" list.sfv)
peer=$(median_seconds "$runs" cold_small rhash -c list.sfv)
echo "(d) check 20,000 x 4 KiB SFV: --jobs 1 ${t1}s  --jobs $jobs ${tn}s  auto ${ta}s  rhash -c ${peer}s" \
     "=> --jobs $jobs x$(ratio "$t1" "$tn"), auto x$(ratio "$t1" "$ta") of --jobs 1"
