#!/usr/bin/env bash
# The main window under load (Release build, offscreen platform):
#   (a) wall time of loading and verifying 20,000 files of 4 KiB through the window
#       (opened as the command-line start does, until the run ends) against
#       tallyfox-check on the same list in the same run, best of RUNS; target <= 1.3x;
#   (b) a list of 100,000 entries: how long the event loop is held up while the list
#       is read and while it runs, and how quickly resizing, scrolling, Pause, Start
#       and Stop take effect.
#   (c) the same 100,000 entries sorted by state, and sorted by state with only the
#       problems shown (VIEWS="state problems" by default; VIEWS= skips part c).
#   bench/window.sh [runs]          LARGE=0 bench/window.sh   (skips parts b and c)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
. bench/common.sh

bench_build ON tallyfox-check tallyfox_window_bench
check=$PWD/$build/src/cli/tallyfox-check
window=$PWD/$build/bench/tallyfox_window_bench
export QT_QPA_PLATFORM=offscreen

small=$(small_files)

echo "(a) 20,000 files of 4 KiB, SFV; best of $runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
t_cli=$(best_seconds "$runs" "$check" "$small/list.sfv")
result=$("$window" time "$small/list.sfv" "$runs")
t_window=$(awk '/^window_seconds/ { print $2 }' <<<"$result")
t_load=$(awk '/^load_seconds/ { print $2 }' <<<"$result")
stall=$(awk '/^longest_stall_ms/ { print $2 }' <<<"$result")
printf '  tallyfox-check %8.4f s\n  window         %8.4f s   (list read in %s s; event loop held up at most %s ms)\n' \
  "$t_cli" "$t_window" "$t_load" "$stall"
awk -v w="$t_window" -v c="$t_cli" 'BEGIN { r = w / c; printf "  window / tallyfox-check = %.2fx (target <= 1.30x) %s\n", r, (r <= 1.3 ? "ok" : "OVER") }'

if [ "${LARGE:-1}" != 0 ]; then
  large=$data/window-large
  if [ ! -f "$large/list.sfv" ]; then
    rm -rf "$large"; mkdir -p "$large"
    (cd "$large" && head -c $((100000 * 1024)) /dev/urandom | split -b 1024 -a 6 -d - f \
     && find . -maxdepth 1 -name 'f*' -printf '%f\n' | sort | xargs cksfv -b > list.sfv)
  fi
  cat "$large"/list.sfv > /dev/null
  echo "(b) 100,000 entries of 1 KiB"
  "$window" respond "$large/list.sfv" | sed 's/^/  /'
  for view in ${VIEWS-state problems}; do
    echo "(c) 100,000 entries of 1 KiB, the list shown: $view"
    "$window" respond "$large/list.sfv" "$view" | sed 's/^/  /'
  done
fi
