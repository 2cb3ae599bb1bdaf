#!/usr/bin/env bash
# Wall time of a whole verification of sha*sum lists: tallyfox-check against
# sha256sum -c and sha1sum -c, in one run on the same cached data:
#   (a) 20,000 files of 4 KiB     (b) one file of 1 GiB
# Prints each time (best of several) and the ratios. Usage: bench/verify_sha.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
. bench/common.sh

bench_build OFF tallyfox-check
check=$PWD/$build/src/cli/tallyfox-check

small=$(small_files)
[ -f "$small/SHA256SUMS" ] || (cd "$small" && sha256sum f* > SHA256SUMS && sha1sum f* > SHA1SUMS)
big=$data/big
if [ ! -f "$big/big.bin" ]; then
  rm -rf "$big"; mkdir -p "$big"
  head -c $((1024 * 1024 * 1024)) /dev/urandom > "$big/big.bin"
fi
[ -f "$big/SHA256SUMS" ] || (cd "$big" && sha256sum big.bin > SHA256SUMS && sha1sum big.bin > SHA1SUMS)
cat "$big/big.bin" > /dev/null   # into the page cache

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }

# The machine may be shared: the tools take turns, one run each per round, so a busy
# moment falls on all of them alike; each keeps its best time over the rounds.
min_of() { awk -v a="$1" -v b="$2" 'BEGIN { print (a == "" || b < a) ? b : a }'; }

# compare DIR AMOUNT UNIT: times every tool on DIR's lists; AMOUNT units make one run.
compare() (
  local dir=$1 amount=$2 unit=$3
  local t256="" p256="" t1="" p1=""
  cd "$dir"
  for _ in $(seq "$runs"); do
    t256=$(min_of "$t256" "$(best_seconds 1 "$check" SHA256SUMS)")
    p256=$(min_of "$p256" "$(best_seconds 1 sha256sum -c --quiet SHA256SUMS)")
    t1=$(min_of "$t1" "$(best_seconds 1 "$check" SHA1SUMS)")
    p1=$(min_of "$p1" "$(best_seconds 1 sha1sum -c --quiet SHA1SUMS)")
  done
  printf '  tallyfox-check SHA-256 %8s %s   sha256sum -c %8s %s   x%s\n' "$(rate "$amount" "$t256")" "$unit" \
    "$(rate "$amount" "$p256")" "$unit" "$(ratio "$p256" "$t256")"
  printf '  tallyfox-check SHA-1   %8s %s   sha1sum -c   %8s %s   x%s\n' "$(rate "$amount" "$t1")" "$unit" \
    "$(rate "$amount" "$p1")" "$unit" "$(ratio "$p1" "$t1")"
)

echo "(a) 20,000 files of 4 KiB"
compare "$small" 20000 files/s
echo "(b) one cached file of 1 GiB"
compare "$big" 1073.741824 MB/s
