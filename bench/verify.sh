#!/usr/bin/env bash
# Wall time of a whole verification: tallyfox-check against rhash -c and cksfv -f (SFV)
# and md5sum -c (MD5), in one run on the same cached data:
#   (a) 20,000 files of 4 KiB     (b) one file of 1 GiB
# Prints each time (best of several) and the ratios. Usage: bench/verify.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
scripts/install-deps.sh bench >/dev/null

build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYFOX_BENCH=ON -DTALLYFOX_TESTS=OFF \
      -DTALLYFOX_GUI=OFF >/dev/null
cmake --build "$build" --target tallyfox-check >/dev/null
check=$PWD/$build/src/cli/tallyfox-check

data=$PWD/build/bench-data
small=$data/small
big=$data/big
if [ ! -f "$small/list.md5" ]; then
  rm -rf "$small"; mkdir -p "$small"
  (cd "$small" && head -c $((20000 * 4096)) /dev/urandom | split -b 4096 -a 5 -d - f
   cksfv -b f* > list.sfv && md5sum f* > list.md5)
fi
if [ ! -f "$big/list.md5" ]; then
  rm -rf "$big"; mkdir -p "$big"
  (cd "$big" && head -c $((1024 * 1024 * 1024)) /dev/urandom > big.bin && cksfv -b big.bin > list.sfv \
   && md5sum big.bin > list.md5)
fi
cat "$small"/f* "$big/big.bin" > /dev/null   # into the page cache

# best_of DIR COMMAND...: the best wall time in seconds over $runs runs, run in DIR.
best_of() {
  local dir=$1; shift
  local best=""
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s%N)
    (cd "$dir" && "$@" >/dev/null 2>&1) || true
    end=$(date +%s%N)
    local t=$(( end - start ))
    if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }

report() {  # label files tallyfox_time peer_name peer_time
  printf '  %-28s tallyfox %8.4f s  %-12s %8.4f s  speed-up x%s\n' "$1" "$3" "$4" "$5" "$(ratio "$5" "$3")"
}

echo "(a) 20,000 files of 4 KiB (files/s)"
t_sfv=$(best_of "$small" "$check" list.sfv)
t_rhash=$(best_of "$small" rhash -c list.sfv)
t_cksfv=$(best_of "$small" cksfv -q -f list.sfv)
t_md5=$(best_of "$small" "$check" list.md5)
t_md5sum=$(best_of "$small" md5sum -c --quiet list.md5)
printf '  tallyfox-check SFV %7s/s   rhash -c %7s/s   cksfv -f %7s/s\n' \
  "$(rate 20000 "$t_sfv")" "$(rate 20000 "$t_rhash")" "$(rate 20000 "$t_cksfv")"
printf '  tallyfox-check MD5 %7s/s   md5sum -c %7s/s\n' "$(rate 20000 "$t_md5")" "$(rate 20000 "$t_md5sum")"
report "SFV vs rhash -c" 20000 "$t_sfv" "rhash -c" "$t_rhash"
report "SFV vs cksfv -f" 20000 "$t_sfv" "cksfv -f" "$t_cksfv"
report "MD5 vs md5sum -c" 20000 "$t_md5" "md5sum -c" "$t_md5sum"

echo "(b) one cached file of 1 GiB (MB/s)"
t_sfv=$(best_of "$big" "$check" list.sfv)
t_rhash=$(best_of "$big" rhash -c list.sfv)
t_cksfv=$(best_of "$big" cksfv -q -f list.sfv)
t_md5=$(best_of "$big" "$check" list.md5)
t_md5sum=$(best_of "$big" md5sum -c --quiet list.md5)
mb=1073.741824
printf '  tallyfox-check SFV %6s MB/s   rhash -c %6s MB/s   cksfv -f %6s MB/s\n' \
  "$(rate $mb "$t_sfv")" "$(rate $mb "$t_rhash")" "$(rate $mb "$t_cksfv")"
printf '  tallyfox-check MD5 %6s MB/s   md5sum -c %6s MB/s\n' "$(rate $mb "$t_md5")" "$(rate $mb "$t_md5sum")"
report "SFV vs rhash -c" 1 "$t_sfv" "rhash -c" "$t_rhash"
report "SFV vs cksfv -f" 1 "$t_sfv" "cksfv -f" "$t_cksfv"
report "MD5 vs md5sum -c" 1 "$t_md5" "md5sum -c" "$t_md5sum"
