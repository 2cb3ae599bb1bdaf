#!/usr/bin/env bash
# Wall time of a whole verification: tallyfox-check against rhash -c and cksfv -f (SFV)
# and md5sum -c (MD5), in one run on the same cached data:
#   (a) 20,000 files of 4 KiB     (b) one file of 1 GiB
# Prints each time (best of several) and the ratios. Usage: bench/verify.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
. bench/common.sh

bench_build OFF tallyfox-check
check=$PWD/$build/src/cli/tallyfox-check

small=$(small_files)
big=$(big_file)

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }

# compare DIR AMOUNT UNIT: times every tool on DIR's lists; AMOUNT units make one run.
compare() (
  local dir=$1 amount=$2 unit=$3
  local sfv rhash cksfv md5 md5sum
  cd "$dir"
  sfv=$(best_seconds "$runs" "$check" list.sfv)
  rhash=$(best_seconds "$runs" rhash -c list.sfv)
  cksfv=$(best_seconds "$runs" cksfv -q -f list.sfv)
  md5=$(best_seconds "$runs" "$check" list.md5)
  md5sum=$(best_seconds "$runs" md5sum -c --quiet list.md5)
  printf '  tallyfox-check SFV %8s %s   rhash -c %8s %s   cksfv -f %8s %s\n' \
    "$(rate "$amount" "$sfv")" "$unit" "$(rate "$amount" "$rhash")" "$unit" "$(rate "$amount" "$cksfv")" "$unit"
  printf '  tallyfox-check MD5 %8s %s   md5sum -c %8s %s\n' "$(rate "$amount" "$md5")" "$unit" \
    "$(rate "$amount" "$md5sum")" "$unit"
  printf '  speed-up: SFV x%s over rhash -c, x%s over cksfv -f; MD5 x%s over md5sum -c\n' \
    "$(ratio "$rhash" "$sfv")" "$(ratio "$cksfv" "$sfv")" "$(ratio "$md5sum" "$md5")"
)

echo "(a) 20,000 files of 4 KiB"
compare "$small" 20000 files/s
echo "(b) one cached file of 1 GiB"
compare "$big" 1073.741824 MB/s
