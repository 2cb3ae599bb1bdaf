#!/usr/bin/env bash
# The live progress's cost: 20,000 files of 4 KiB (cached), SFV, all in one run,
# best of RUNS each:
#   tallyfox-check with stderr not a terminal (no progress line),
#   tallyfox-check on a terminal made by script(1), with stderr there (its live progress
#   line) and with stderr sent to /dev/null (no line), so script's own cost cancels out,
#   the window verifying the list as the command-line start does, its progress panel
#   showing the live figures (the number of different texts seen, looked at every
#   10 ms, is printed, so the figure is never taken with the panel idle).
# and, as the small files' run ends before the terminal line's first update, the same
# pair of terminal runs on one cached file of 1 GiB.
# Prints each time and the ratios; the window's target is <= 1.3x tallyfox-check.
#   bench/progress.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
. bench/common.sh

bench_build ON tallyfox-check tallyfox_window_bench
check=$PWD/$build/src/cli/tallyfox-check
window=$PWD/$build/bench/tallyfox_window_bench
export QT_QPA_PLATFORM=offscreen

small=$(small_files)
list=$small/list.sfv

echo "20,000 files of 4 KiB, SFV; best of $runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
t_plain=$(best_seconds "$runs" "$check" "$list")
# script(1) gives the tool a terminal for stdout and stderr; the typescript is discarded.
t_line=$(best_seconds "$runs" script -qec "$check $list >/dev/null" /dev/null)
t_noline=$(best_seconds "$runs" script -qec "$check $list >/dev/null 2>&1" /dev/null)
result=$("$window" time "$list" "$runs")
t_window=$(awk '/^window_seconds/ { print $2 }' <<<"$result")
texts=$(awk '/^progress_texts_seen/ { print $2 }' <<<"$result")
state=$(awk '/^final_state/ { print $2 }' <<<"$result")
printf '  tallyfox-check, no terminal      %8.4f s\n' "$t_plain"
printf '  script + tallyfox-check, line    %8.4f s\n' "$t_line"
printf '  script + tallyfox-check, no line %8.4f s\n' "$t_noline"
printf '  window, live progress panel      %8.4f s   (%s different figures seen; ended %s)\n' \
  "$t_window" "$texts" "$state"
awk -v l="$t_line" -v p="$t_noline" 'BEGIN { printf "  progress line / no line          = %.2fx\n", l / p }'
awk -v w="$t_window" -v c="$t_plain" 'BEGIN { r = w / c; printf "  window / tallyfox-check          = %.2fx (target <= 1.30x) %s\n", r, (r <= 1.3 ? "ok" : "OVER") }'

big=$(big_file)
t_big_line=$(best_seconds "$runs" script -qec "$check $big/list.sfv >/dev/null" /dev/null)
t_big_noline=$(best_seconds "$runs" script -qec "$check $big/list.sfv >/dev/null 2>&1" /dev/null)
echo "one file of 1 GiB, SFV; best of $runs"
printf '  script + tallyfox-check, line    %8.4f s\n' "$t_big_line"
printf '  script + tallyfox-check, no line %8.4f s\n' "$t_big_noline"
awk -v l="$t_big_line" -v p="$t_big_noline" 'BEGIN { printf "  progress line / no line          = %.2fx\n", l / p }'
