#!/usr/bin/env bash
# BLAKE3 against b3sum in one run, on cached files:
#   1. one thread in memory, per SIMD path (MB/s);
#   2. one file of 1 GiB, on every core (b3sum too) and on one thread each;
#   3. 20,000 files of 4 KiB.
# Ours goes through the lists when tallyfox-create knows --blake3 (a new list of the
# files, and tallyfox-check of b3sum's list against b3sum --check); otherwise through
# tallyfox_blake3_bench, which hashes the files with the engine and prints b3sum's lines.
# The tools take turns, one run each per round, so a busy moment falls on all alike; each
# keeps its best wall time of RUNS rounds (default 5) with that run's CPU time (user +
# system). The ratio is b3sum's wall time over ours (above 1: ours is faster).
#   bench/blake3.sh          RUNS=9 bench/blake3.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/common.sh
bench_build OFF tallyfox-check tallyfox-create tallyfox_blake3_bench
check=$PWD/$build/src/cli/tallyfox-check
create=$PWD/$build/src/cli/tallyfox-create
engine=$PWD/$build/bench/tallyfox_blake3_bench
runs=${RUNS:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

small=$(small_files)
big=$(big_file)
[ -f "$small/list.b3" ] || (cd "$small" && b3sum f* > list.b3)
[ -f "$big/list.b3" ] || (cd "$big" && b3sum big.bin > list.b3)
lists=no
"$create" --help 2>&1 | grep -q -- '--blake3' && lists=yes

# timed COMMAND...: "<wall> <cpu>" in seconds of one run (output discarded).
timed() {
  /usr/bin/time -o "$out/time" -f '%e %U %S' "$@" >/dev/null 2>&1 || true
  awk 'END { printf "%.3f %.3f\n", $1, $2 + $3 }' "$out/time"
}
# compare NAME DIR "OURS" "PEER": runs both commands (shell text, in DIR) in turns and
# prints the best of each and the ratio.
compare() {
  local name=$1 dir=$2 ours=$3 peer=$4 a_wall="" a_cpu="" b_wall="" b_cpu="" wall cpu
  for _ in $(seq "$runs"); do
    read -r wall cpu < <(timed sh -c "cd '$dir' && $ours")
    if [ -z "$a_wall" ] || awk -v a="$wall" -v b="$a_wall" 'BEGIN { exit !(a < b) }'; then a_wall=$wall; a_cpu=$cpu; fi
    read -r wall cpu < <(timed sh -c "cd '$dir' && $peer")
    if [ -z "$b_wall" ] || awk -v a="$wall" -v b="$b_wall" 'BEGIN { exit !(a < b) }'; then b_wall=$wall; b_cpu=$cpu; fi
  done
  printf '%-36s ours %7ss wall %7ss CPU | b3sum %7ss wall %7ss CPU | %sx\n' "$name" "$a_wall" "$a_cpu" "$b_wall" \
    "$b_cpu" "$(awk -v a="$b_wall" -v b="$a_wall" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')"
}

echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Load: $(uptime | sed 's/.*load average: //') (1, 5, 15 min; a busy machine makes the figures noisy)"
echo "b3sum $(b3sum --version | awk '{ print $2 }'); ours through the lists: $lists; best of $runs rounds."

# The engine must agree with b3sum before its speed means anything.
(cd "$small" && "$engine" files f0000[0-9] | cmp -s - <(b3sum f0000[0-9])) || { echo "digests differ" >&2; exit 1; }
(cd "$big" && "$engine" files big.bin | cmp -s - list.b3) || { echo "digests differ" >&2; exit 1; }

echo
echo "1. One thread in memory (256 MiB), per SIMD path"
"$engine" paths 256

echo
echo "2. One cached file of 1 GiB"
cat "$big/big.bin" > /dev/null
if [ "$lists" = yes ]; then
  compare "new list, every core" "$big" "'$create' --blake3 -o '$out/big.b3' big.bin" "b3sum big.bin"
  compare "check b3sum's list, every core" "$big" "'$check' list.b3" "b3sum --check list.b3"
fi
compare "engine, every core" "$big" "'$engine' files big.bin" "b3sum big.bin"
compare "engine, one thread" "$big" "'$engine' files --threads 1 big.bin" "b3sum --num-threads 1 big.bin"

echo
echo "3. 20,000 cached files of 4 KiB"
cat "$small"/f* > /dev/null
if [ "$lists" = yes ]; then
  compare "new list" "$small" "'$create' --blake3 -o '$out/small.b3' f*" "b3sum f*"
  compare "check b3sum's list" "$small" "'$check' list.b3" "b3sum --check list.b3"
fi
compare "engine" "$small" "'$engine' files f*" "b3sum f*"
