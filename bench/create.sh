#!/usr/bin/env bash
# Wall time of creating a list: tallyfox-create against rhash --sfv and cksfv (SFV) and
# md5sum (MD5), in one run on the same cached data:
#   (a) 20,000 files of 4 KiB     (b) one file of 1 GiB
# Prints each time (best of several) and the ratios. Usage: bench/create.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
. bench/common.sh

bench_build OFF tallyfox-create
create=$PWD/$build/src/cli/tallyfox-create

small=$(small_files)
big=$(big_file)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }

# compare DIR AMOUNT UNIT FILE...: times every tool listing FILE... in DIR; AMOUNT units
# make one run. Every list goes to a fresh folder outside DIR.
compare() (
  local dir=$1 amount=$2 unit=$3 sfv rhash cksfv md5 md5sum fastest
  shift 3
  cd "$dir"
  sfv=$(best_seconds "$runs" "$create" --sfv -o "$out/t.sfv" "$@")
  rhash=$(best_seconds "$runs" sh -c 'rhash --sfv "$@" > "$0"' "$out/r.sfv" "$@")
  cksfv=$(best_seconds "$runs" sh -c 'cksfv -b "$@" > "$0"' "$out/c.sfv" "$@")
  md5=$(best_seconds "$runs" "$create" --md5 -o "$out/t.md5" "$@")
  md5sum=$(best_seconds "$runs" sh -c 'md5sum "$@" > "$0"' "$out/m.md5" "$@")
  fastest=$(awk -v a="$rhash" -v b="$cksfv" 'BEGIN { print (a < b ? a : b) }')
  printf '  tallyfox-create SFV %8s %s   rhash --sfv %8s %s   cksfv %8s %s\n' \
    "$(rate "$amount" "$sfv")" "$unit" "$(rate "$amount" "$rhash")" "$unit" "$(rate "$amount" "$cksfv")" "$unit"
  printf '  tallyfox-create MD5 %8s %s   md5sum %8s %s\n' "$(rate "$amount" "$md5")" "$unit" \
    "$(rate "$amount" "$md5sum")" "$unit"
  printf '  speed-up: SFV x%s over rhash --sfv, x%s over cksfv (x%s over the faster); MD5 x%s over md5sum\n' \
    "$(ratio "$rhash" "$sfv")" "$(ratio "$cksfv" "$sfv")" "$(ratio "$fastest" "$sfv")" "$(ratio "$md5sum" "$md5")"
)

echo "(a) 20,000 files of 4 KiB"
(cd "$small" && compare "$small" 20000 files/s f*)
echo "(b) one cached file of 1 GiB"
compare "$big" 1073.741824 MB/s big.bin
