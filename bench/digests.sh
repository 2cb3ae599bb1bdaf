#!/usr/bin/env bash
# Making and verifying SHA-1, SHA-256, SHA-512 and BLAKE2b lists: tallyfox-create and
# tallyfox-check against sha1sum, sha256sum, sha512sum and b2sum (writing a list, and
# --check), in one run on the same cached data:
#   (a) 20,000 files of 4 KiB     (b) one file of 1 GiB
# Prints wall and CPU time (user + system, of the round with the best wall time), the
# rates and the ratios peer/ours (above 1: we are faster, or use less CPU).
# Usage: bench/digests.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}
. bench/common.sh

bench_build OFF tallyfox-create tallyfox-check
create=$PWD/$build/src/cli/tallyfox-create
check=$PWD/$build/src/cli/tallyfox-check

small=$(small_files)
big=$(big_file)
# option tool extension, one kind a line
kinds="sha1 sha1sum .sha1
sha256 sha256sum .sha256
sha512 sha512sum .sha512
blake2b b2sum .b2"

# wall_cpu COMMAND...: "WALL CPU" in seconds of one run; CPU is user + system time of
# the command and its children (output and exit status discarded).
wall_cpu() {
  local TIMEFORMAT='%R %U %S' times
  times=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || true
  awk -v t="$times" 'BEGIN { split(t, f, " "); printf "%.3f %.3f", f[1], f[2] + f[3] }'
}

# The machine may be shared: the tools take turns, one run each per round, so a busy
# moment falls on all of them alike; each keeps the round with its best wall time.
better() { awk -v a="$1" -v b="$2" 'BEGIN { split(a, x, " "); print (a == "" || b + 0 < x[1] + 0) ? b : a }'; }
field() { echo "$1" | cut -d' ' -f"$2"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v n="$1" -v t="$2" 'BEGIN { printf "%.0f", n / t }'; }

# report TASK KIND UNIT AMOUNT OURS THEIRS PEER: one line of figures.
report() {
  local task=$1 kind=$2 unit=$3 amount=$4 ours=$5 theirs=$6 peer=$7
  printf '  %-6s %-8s tallyfox %7s %s (wall %6.3f s, cpu %6.3f s)  %-10s %7s %s (wall %6.3f s, cpu %6.3f s)  x%s wall, x%s cpu\n' \
    "$task" "$kind" "$(rate "$amount" "$(field "$ours" 1)")" "$unit" "$(field "$ours" 1)" "$(field "$ours" 2)" \
    "$peer" "$(rate "$amount" "$(field "$theirs" 1)")" "$unit" "$(field "$theirs" 1)" "$(field "$theirs" 2)" \
    "$(ratio "$(field "$theirs" 1)" "$(field "$ours" 1)")" "$(ratio "$(field "$theirs" 2)" "$(field "$ours" 2)")"
}

# compare DIR AMOUNT UNIT FILE...: for each kind, makes a list of FILE... in DIR with
# both tools (and says when the two lists differ), then verifies the peer's list (kept
# in DIR as list.EXT) with both; AMOUNT units make one run.
compare() (
  local dir=$1 amount=$2 unit=$3
  shift 3
  cd "$dir"
  while read -r option tool extension; do
    [ -f "list$extension" ] || "$tool" "$@" > "list$extension"
    local made="" theirsMade="" checked="" theirsChecked=""
    for _ in $(seq "$rounds"); do
      made=$(better "$made" "$(wall_cpu "$create" --"$option" -o "$dir/made-by-tallyfox$extension" "$@")")
      theirsMade=$(better "$theirsMade" \
        "$(wall_cpu sh -c 'tool=$1; shift; "$tool" "$@" > "$0"' "$dir/made-by-peer$extension" "$tool" "$@")")
      checked=$(better "$checked" "$(wall_cpu "$check" "list$extension")")
      theirsChecked=$(better "$theirsChecked" "$(wall_cpu "$tool" --check --quiet "list$extension")")
    done
    cmp -s "made-by-tallyfox$extension" "made-by-peer$extension" || echo "  (the $option lists differ)" >&2
    rm -f "made-by-tallyfox$extension" "made-by-peer$extension"
    report create "$option" "$unit" "$amount" "$made" "$theirsMade" "$tool"
    report check "$option" "$unit" "$amount" "$checked" "$theirsChecked" "$tool -c"
  done <<< "$kinds"
)

echo "CPU: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) hardware threads"
echo "(a) 20,000 files of 4 KiB"
(cd "$small" && compare "$small" 20000 files/s f*)
echo "(b) one cached file of 1 GiB"
compare "$big" 1073.741824 MB/s big.bin
