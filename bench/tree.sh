#!/usr/bin/env bash
# A folder of lists: tallyfox-check --recursive over a tree of 1,000 folders with an
# MD5 list each (50 files of 1 KiB per folder, 50,000 files) against tallyfox-check run
# once per list, and md5sum -c run once per list as the peer, in one run on the same
# cached data. Prints the median wall time of RUNS runs (default 3), the CPU time
# (user + system) of that run, and the ratios.
# Usage: bench/tree.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
. bench/common.sh

bench_build OFF tallyfox-check
check=$PWD/$build/src/cli/tallyfox-check

tree=$data/tree
if [ ! -f "$tree/d999/list.md5" ]; then
  rm -rf "$tree"; mkdir -p "$tree"
  for i in $(seq 0 999); do
    mkdir "$tree/d$i"
    (cd "$tree/d$i" && head -c $((50 * 1024)) /dev/urandom | split -b 1024 -a 2 -d - f && md5sum f* > list.md5)
  done
fi
find "$tree" -type f -name "f*" -exec cat {} + > /dev/null

per_list_check() { for list in "$tree"/d*/list.md5; do "$check" "$list"; done; }
per_list_md5sum() { for folder in "$tree"/d*/; do (cd "$folder" && md5sum --quiet -c list.md5); done; }
recursive_check() { "$check" --recursive "$tree"; }

# measure NAME FUNCTION: the median of RUNS runs as "wall cpu" seconds.
measure() {
  local name=$1 fn=$2 line
  for _ in $(seq "$runs"); do
    line=$( { TIMEFORMAT='%R %U %S'; time $fn >/dev/null 2>&1; } 2>&1 | tail -n 1)
    echo "$line" | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
  done | sort -n | awk -v n="$runs" 'NR == int((n + 1) / 2)'
}

read -r rec_wall rec_cpu < <(measure recursive recursive_check)
read -r per_wall per_cpu < <(measure per-list per_list_check)
read -r md5_wall md5_cpu < <(measure md5sum per_list_md5sum)

printf '%-44s %8s %8s\n' "1,000 lists, 50,000 files of 1 KiB (cached)" "wall s" "cpu s"
printf '%-44s %8s %8s\n' "tallyfox-check --recursive TREE" "$rec_wall" "$rec_cpu"
printf '%-44s %8s %8s\n' "tallyfox-check LIST, once per list" "$per_wall" "$per_cpu"
printf '%-44s %8s %8s\n' "md5sum -c LIST, once per list (peer)" "$md5_wall" "$md5_cpu"
awk -v r="$rec_wall" -v p="$per_wall" -v m="$md5_wall" \
  'BEGIN { printf "per-list / recursive: %.2fx   md5sum per list / recursive: %.2fx\n", p / r, m / r }'
