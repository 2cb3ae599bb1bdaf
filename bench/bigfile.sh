#!/usr/bin/env bash
# One file of 1 GiB verified whole by tallyfox-check against its peers (rhash -c,
# md5sum -c, sha256sum -c), cached and uncached (evicted with posix_fadvise before
# every run); optionally against another build of tallyfox-check (BASE_CHECK=path,
# e.g. a Release build of main) to show what a change gains or costs. The tools take
# turns, one run each per round; each figure is the median of RUNS rounds (seconds).
#
#   bench/bigfile.sh                                  # RUNS=3, cached and uncached
#   BASE_CHECK=/path/to/tallyfox-check RUNS=5 bench/bigfile.sh
#   CASES=cached bench/bigfile.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/common.sh
bench_build OFF tallyfox-check tallyfox_read_modes
check=$PWD/$build/src/cli/tallyfox-check
tool=$PWD/$build/bench/tallyfox_read_modes
base=${BASE_CHECK:-}
runs=${RUNS:-3}
big=$(big_file)
[ -f "$big/SHA256SUMS" ] || (cd "$big" && sha256sum big.bin >SHA256SUMS)
cd "$big"

seconds() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  end=$(date +%s%N)
  awk -v ns=$((end - start)) 'BEGIN { printf "%.3f", ns / 1e9 }'
}
median() { tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# compare CACHED NAME=COMMAND...: one round runs every command once; prints medians.
compare() {
  local cached=$1; shift
  declare -A times=()
  local entry name
  for _ in $(seq "$runs"); do
    for entry in "$@"; do
      name=${entry%%=*}
      if [ "$cached" = no ]; then "$tool" evict big.bin; else cat big.bin >/dev/null; fi
      # shellcheck disable=SC2086
      times[$name]="${times[$name]:-} $(seconds ${entry#*=})"
    done
  done
  for entry in "$@"; do
    name=${entry%%=*}
    printf '  %-28s %7s s  (runs:%s)\n' "$name" "$(echo "${times[$name]}" | median)" "${times[$name]}"
  done
}

lines=()
for kind in sfv md5 sha; do
  case $kind in
    sfv) list=list.sfv; peer="rhash -c list.sfv";;
    md5) list=list.md5; peer="md5sum -c --quiet list.md5";;
    sha) list=SHA256SUMS; peer="sha256sum -c --quiet SHA256SUMS";;
  esac
  lines=("tallyfox-check $list=$check $list" "${peer%% *}=$peer")
  [ -n "$base" ] && lines+=("base tallyfox-check $list=$base $list")
  for cached in ${CASES:-yes no}; do
    [ "$cached" = no ] && [ "$kind" != sfv ] && continue
    echo "$kind, $([ "$cached" = yes ] && echo cached || echo uncached), median of $runs; load $(cut -d' ' -f1 /proc/loadavg)"
    compare "$cached" "${lines[@]}"
  done
done
cat big.bin >/dev/null
