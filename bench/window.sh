#!/usr/bin/env bash
# The main window under load (Release build, offscreen platform):
#   (a) wall time of loading and verifying 20,000 files of 4 KiB through the window
#       (opened as the command-line start does, until the run ends) against
#       tallyfox-check on the same list in the same run, best of RUNS; target <= 1.3x;
#   (b) a list of 100,000 entries: how long the event loop is held up while the list
#       is read and while it runs, and how quickly resizing, scrolling, Pause, Start
#       and Stop take effect.
#   bench/window.sh [runs]          LARGE=0 bench/window.sh   (skips part b)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
scripts/install-deps.sh bench >/dev/null

build=build/bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYFOX_BENCH=ON -DTALLYFOX_TESTS=OFF \
      -DTALLYFOX_GUI=ON >/dev/null
cmake --build "$build" --target tallyfox-check tallyfox_window_bench -j "${JOBS:-2}" >/dev/null
check=$PWD/$build/src/cli/tallyfox-check
window=$PWD/$build/bench/tallyfox_window_bench
export QT_QPA_PLATFORM=offscreen

data=$PWD/build/bench-data
small=$data/window-small
if [ ! -f "$small/list.sfv" ]; then
  rm -rf "$small"; mkdir -p "$small"
  (cd "$small" && head -c $((20000 * 4096)) /dev/urandom | split -b 4096 -a 5 -d - f && cksfv -b f* > list.sfv)
fi
cat "$small"/f* > /dev/null   # into the page cache

best_of() {  # best wall time in seconds of a command over $runs runs
  local best="" start end
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    if [ -z "$best" ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
  done
  awk -v ns="$best" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

echo "(a) 20,000 files of 4 KiB, SFV; best of $runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
t_cli=$(best_of "$check" "$small/list.sfv")
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
fi
