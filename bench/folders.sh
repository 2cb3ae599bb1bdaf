#!/usr/bin/env bash
# The folder browser's listing: a folder of 100,000 files read into the record array
# (a stat per file, as ls -l does) and sorted by name, against `ls -l > /dev/null` on
# the same cached folder in the same run. Prints both times (best of several) and the
# ratio; then the browser showing that folder, sorting it and scrolling it from top to
# bottom (offscreen), with the longest hold-up of its event loop. Usage: bench/folders.sh [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
. bench/common.sh

bench_build OFF tallyfox_folder_listing
listing=$PWD/$build/bench/tallyfox_folder_listing

folder=$data/folder100k
if [ ! -f "$folder/f99999.dat" ]; then
  rm -rf "$folder"; mkdir -p "$folder"
  (cd "$folder" && seq -f 'f%05g.dat' 0 99999 | xargs touch)
fi
ls -l "$folder" > /dev/null   # the inodes into the cache

ours=$(best_seconds "$runs" "$listing" "$folder")
ls_time=$(best_seconds "$runs" ls -l "$folder")
printf '  100,000 files: list + sort by name %ss   ls -l %ss   ratio %s (at most 1 is the target)\n' \
  "$ours" "$ls_time" "$(awk -v a="$ours" -v b="$ls_time" 'BEGIN { printf "%.2f", a / b }')"

bench_build ON tallyfox_browser_scroll
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$PWD/$build/bench/tallyfox_browser_scroll" "$folder" 2>/dev/null \
  | sed 's/^/  /'
