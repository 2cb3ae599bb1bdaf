#!/usr/bin/env bash
# read() into the engines' buffer against mmap, per engine, on cached and uncached
# (evicted with posix_fadvise) files, small and large: the figures behind the engines'
# choice of reading. Each figure is the median of RUNS runs (MB/s).
#
#   bench/readmodes.sh            # RUNS=3
#   RUNS=5 MODES="read mmap-populate" bench/readmodes.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/common.sh
bench_build OFF tallyfox_read_modes
tool=$PWD/$build/bench/tallyfox_read_modes
runs=${RUNS:-3}
modes=${MODES:-read mmap mmap-seq mmap-populate}
big=$(big_file)/big.bin

# Files of each size for the small cases: 256 files of 64 KiB, 64 of 1 MiB, 16 of 4 MiB.
sized_files() {
  local kib=$1 count=$2 dir=$data/sized-$1
  if [ "$(find "$dir" -type f 2>/dev/null | wc -l)" -ne "$count" ]; then
    rm -rf "$dir"; mkdir -p "$dir"
    head -c $((kib * 1024 * count)) "$big" | (cd "$dir" && split -b $((kib * 1024)) -a 4 -d - f)
  fi
  find "$dir" -type f | sort >"$dir.list"
  echo "$dir.list"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# figure MODE ENGINE CACHED FILES...: the median MB/s.
figure() {
  local mode=$1 engine=$2 cached=$3; shift 3
  local extra=()
  if [ "$cached" = no ]; then extra=(--evict); else "$tool" read crc32 "$@" --repeat 1 >/dev/null; fi
  for _ in $(seq "$runs"); do "$tool" "$mode" "$engine" "$@" --repeat 1 "${extra[@]}" | cut -d' ' -f1; done | median
}

echo "MB/s, median of $runs runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
printf '%-9s %-22s %-7s' cache files engine
for mode in $modes; do printf ' %14s' "$mode"; done
echo
for cached in yes no; do
  for set in "64KiB:256" "1MiB:64" "4MiB:16" "1GiB:1"; do
    name=${set%%:*}; count=${set##*:}
    case $name in
      64KiB) files=(--files "$(sized_files 64 "$count")");;
      1MiB) files=(--files "$(sized_files 1024 "$count")");;
      4MiB) files=(--files "$(sized_files 4096 "$count")");;
      1GiB) files=("$big");;
    esac
    for engine in crc32 md5 sha256; do
      if [ "$cached" = no ] && [ "$name" != 1GiB ] && [ "$engine" != crc32 ]; then continue; fi
      printf '%-9s %-22s %-7s' "$([ $cached = yes ] && echo cached || echo uncached)" "$count x $name" "$engine"
      for mode in $modes; do printf ' %14s' "$(figure "$mode" "$engine" "$cached" "${files[@]}")"; done
      echo
    done
  done
done
cat "$big" >/dev/null
