#!/usr/bin/env bash
# MD5 in SIMD lanes against the scalar engine, all measured in the same run.
#
#   bench/md5lanes.sh                      # 3 rounds, best of REPEAT passes per figure
#   ROUNDS=5 REPEAT=2 bench/md5lanes.sh
#   FILES=0 bench/md5lanes.sh              # in-memory messages only
#
# In memory: 2,000 messages of 4 KiB and of 1 MiB (views of one random buffer of at
# most 64 MiB plus one message), and one message of 64 MiB alone; Md5 one message at
# a time ("md5") against Md5Lanes.HashMessages on each block function. Files (cached): 20,000 files of 4 KiB and 500 of 1 MiB, Md5File
# one at a time against HashFilesInLanes on batches of 16, and md5sum as the peer.
# Each round measures every path once, in turn; a ratio is taken within its round and
# the table gives the median over the rounds.
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh
bench_build OFF tallyfox_engine_throughput
tool=$build/bench/tallyfox_engine_throughput
rounds=${ROUNDS:-3}
repeat=${REPEAT:-3}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
paths="md5"
for path in scalar avx2 avx512; do
  if [ "$("$tool" md5lanes --size 64 --count 1 --repeat 1 --path "$path" | awk '{print $4}')" = "$path" ]; then
    paths="$paths $path"
  fi
done

# measure NAME ARGS...: ROUNDS rounds over every path; prints one row per path.
measure() {
  local name=$1; shift
  local dir; dir=$(mktemp -d)
  for _ in $(seq "$rounds"); do
    local base="" digest=""
    for path in $paths; do
      read -r mbps _ last used < <("$tool" md5lanes "$@" --path "$path" --repeat "$repeat")
      if [ -n "$digest" ] && [ "$last" != "$digest" ]; then
        echo "digest mismatch: $used gives $last, md5 $digest" >&2
        exit 1
      fi
      digest=$last
      [ -z "$base" ] && base=$mbps
      echo "$mbps" >>"$dir/$path.mbps"
      awk -v a="$mbps" -v b="$base" 'BEGIN { printf "%.3f\n", a / b }' >>"$dir/$path.ratio"
    done
    if [ -n "${PEER:-}" ]; then
      echo "$(awk -v b="$PEER_BYTES" -v ns="$(best_ns "$repeat" sh -c "$PEER")" 'BEGIN { printf "%.0f", b / 1e6 / (ns / 1e9) }')" >>"$dir/peer.mbps"
      awk -v a="$(tail -n1 "$dir/peer.mbps")" -v b="$base" 'BEGIN { printf "%.3f\n", a / b }' >>"$dir/peer.ratio"
    fi
  done
  echo "$name"
  for path in $paths ${PEER:+peer}; do
    local label=$path
    [ "$path" = md5 ] && label="Md5 one at a time"
    [ "$path" = peer ] && label="md5sum"
    printf '  %-22s %7s MB/s  %6sx   (per round: %s)\n' "$label" "$(median <"$dir/$path.mbps")" \
      "$(median <"$dir/$path.ratio")" "$(paste -sd' ' "$dir/$path.ratio")"
  done
  rm -rf "$dir"
}

echo "$(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg); $rounds rounds, best of $repeat passes each; ratio = against Md5 in the same round"
measure "2000 in-memory messages of 4 KiB" --size 4096 --count 2000
measure "2000 in-memory messages of 1 MiB" --size 1048576 --count 2000
measure "one in-memory message of 64 MiB (a lane alone: scalar transform)" --size 67108864 --count 1

if [ "${FILES:-1}" != 0 ]; then
  small=$(small_files)
  find "$small" -name 'f*' -type f | sort >"$build/md5lanes-small.list"
  PEER="cd '$small' && md5sum f* >/dev/null" PEER_BYTES=$((20000 * 4096)) \
    measure "20,000 cached files of 4 KiB (batches of 16)" --files "$build/md5lanes-small.list"
  medium=$data/medium
  if [ "$(find "$medium" -name 'm*' -type f 2>/dev/null | wc -l)" -ne 500 ]; then
    rm -rf "$medium"; mkdir -p "$medium"
    (cd "$medium" && head -c $((500 * 1048576)) /dev/urandom | split -b 1048576 -a 3 -d - m)
  fi
  cat "$medium"/m* >/dev/null
  find "$medium" -name 'm*' -type f | sort >"$build/md5lanes-medium.list"
  PEER="cd '$medium' && md5sum m* >/dev/null" PEER_BYTES=$((500 * 1048576)) \
    measure "500 cached files of 1 MiB (batches of 16)" --files "$build/md5lanes-medium.list"
fi
