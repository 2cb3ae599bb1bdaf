#!/usr/bin/env bash
# Creating a list through the window (Release build, offscreen platform): wall time of
# an SFV list of 20,000 files of 4 KiB, from the Generate command to the end of the run
# (the browser opened on the folder, the files selected), against tallyfox-create on
# the same files in the same run, best of RUNS; target <= 1.3x.
#   bench/window_create.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
. bench/common.sh

bench_build ON tallyfox-create tallyfox_window_bench
create=$PWD/$build/src/cli/tallyfox-create
window=$PWD/$build/bench/tallyfox_window_bench
export QT_QPA_PLATFORM=offscreen

small=$(small_files)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

echo "20,000 files of 4 KiB, SFV list in another folder; best of $runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
t_cli=$(best_seconds "$runs" sh -c 'cd "$0" && exec "$1" --sfv -o "$2" f*' "$small" "$create" "$out/cli.sfv")
result=$("$window" generate "$small" "$out/window.sfv" "$runs")
t_window=$(awk '/^window_seconds/ { print $2 }' <<<"$result")
# The two lists differ only in the header's moment.
if ! cmp -s <(tail -n +3 "$out/cli.sfv") <(tail -n +3 "$out/window.sfv"); then
  echo "  the window's list differs from tallyfox-create's" >&2
  exit 1
fi
printf '  tallyfox-create %8.4f s\n  window          %8.4f s\n' "$t_cli" "$t_window"
awk -v w="$t_window" -v c="$t_cli" 'BEGIN { r = w / c; printf "  window / tallyfox-create = %.2fx (target <= 1.30x) %s\n", r, (r <= 1.3 ? "ok" : "OVER") }'
