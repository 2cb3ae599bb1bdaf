#!/usr/bin/env bash
# Throughput of the checksum engines against the peer tools, on one file held in the
# page cache (so the figures compare hashing, not the disk) and on many small files.
#
#   bench/engines.sh                      # 512 MiB file, best of 5
#   SIZE_MIB=1024 REPEAT=7 bench/engines.sh
#   SMALL_FILES=0 FOLD_BENCH=0 bench/engines.sh   # skip the small-file and in-memory parts
#
# Figures are MB/s (10^6 bytes per second), each the best of REPEAT runs; the ratio
# column compares with the peer named on the line.
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh
bench_build OFF tallyfox_engine_throughput tallyfox_fold_bench
tool=$build/bench/tallyfox_engine_throughput

size_mib=${SIZE_MIB:-512}
repeat=${REPEAT:-5}
file=${BENCH_FILE:-$build/engines-${size_mib}MiB.bin}
bytes=$((size_mib * 1048576))
if [ "$(stat -c %s "$file" 2>/dev/null || echo 0)" -ne "$bytes" ]; then
  echo "Creating $file ($size_mib MiB of random bytes)"
  head -c "$bytes" /dev/urandom >"$file.tmp"
  mv "$file.tmp" "$file"
fi
cat "$file" >/dev/null  # warm the page cache
cat "$file" >/dev/null

mbps() { awk -v b="$1" -v ns="$2" 'BEGIN { printf "%.0f", b / 1e6 / (ns / 1e9) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
row() { printf '%-40s %8s MB/s   %s\n' "$1" "$2" "${3:-}"; }

# Our figures: "<MB/s> <files/s> <checksum> <fold>" from the throughput tool.
ours() { "$tool" "$@" --repeat "$repeat"; }
expect_same() {
  if [ "${1,,}" != "${2,,}" ]; then
    echo "checksum mismatch: $3 gives $1, the peer $2" >&2
    exit 1
  fi
}

echo "File: $file ($bytes bytes, cached); best of $repeat runs; $(nproc) CPUs, load $(cut -d' ' -f1 /proc/loadavg)"
echo

read -r read_mbps _ _ _ < <(ours read "$file")
row "read() alone (engine buffer)" "$read_mbps"

rhash_crc=$(rhash --crc32 --simple "$file" | awk '{print $1}')
rhash_mbps=$(mbps "$bytes" "$(best_ns "$repeat" rhash --crc32 "$file")")
cksfv_mbps=$(mbps "$bytes" "$(best_ns "$repeat" cksfv -b "$file")")
md5sum_hex=$(md5sum "$file" | awk '{print $1}')
md5sum_mbps=$(mbps "$bytes" "$(best_ns "$repeat" md5sum "$file")")

for path in auto table slicing16 pclmul vpclmul; do
  read -r our_mbps _ our_crc used < <(ours crc32 "$file" --path "$path")
  if [ "$path" != auto ] && [ "$used" != "$path" ]; then
    continue  # the CPU lacks this fold
  fi
  expect_same "$our_crc" "$rhash_crc" "CRC-32 $path"
  row "CRC-32 tallyfox $path ($used)" "$our_mbps" \
      "$(ratio "$our_mbps" "$rhash_mbps") rhash --crc32, $(ratio "$our_mbps" "$cksfv_mbps") cksfv"
done
row "CRC-32 rhash --crc32" "$rhash_mbps"
row "CRC-32 cksfv" "$cksfv_mbps"

read -r our_md5_mbps _ our_md5 _ < <(ours md5 "$file")
expect_same "$our_md5" "$md5sum_hex" "MD5"
row "MD5 tallyfox" "$our_md5_mbps" "$(ratio "$our_md5_mbps" "$md5sum_mbps") md5sum"
row "MD5 md5sum" "$md5sum_mbps"

if [ "${SMALL_FILES:-1}" != 0 ]; then
  # 20,000 files of 3000 bytes: the per-file cost (open, buffer, close) dominates.
  small=$build/engines-small-files
  if [ "$(find "$small" -type f 2>/dev/null | wc -l)" -ne 20000 ]; then
    rm -rf "$small"
    mkdir -p "$small"
    head -c $((20000 * 3000)) "$file" | (cd "$small" && split -b 3000 -a 5 -d - f)
  fi
  find "$small" -type f | sort >"$build/engines-small-files.list"
  small_bytes=$((20000 * 3000))
  cat "$small"/* >/dev/null
  echo
  read -r small_mbps small_fps _ _ < <(ours crc32 --files "$build/engines-small-files.list")
  rhash_small_ns=$(best_ns "$repeat" rhash --crc32 -r "$small")
  rhash_fps=$(awk -v ns="$rhash_small_ns" 'BEGIN { printf "%.0f", 20000 / (ns / 1e9) }')
  row "CRC-32 tallyfox, 20000 small files" "$small_mbps" "$small_fps files/s, $(ratio "$small_fps" "$rhash_fps") rhash --crc32 -r"
  row "CRC-32 rhash -r, 20000 small files" "$(mbps "$small_bytes" "$rhash_small_ns")" "$rhash_fps files/s"
  read -r small_md5_mbps small_md5_fps _ _ < <(ours md5 --files "$build/engines-small-files.list")
  md5sum_small_ns=$(best_ns "$repeat" sh -c "cd '$small' && md5sum -- *")
  md5sum_fps=$(awk -v ns="$md5sum_small_ns" 'BEGIN { printf "%.0f", 20000 / (ns / 1e9) }')
  row "MD5 tallyfox, 20000 small files" "$small_md5_mbps" "$small_md5_fps files/s, $(ratio "$small_md5_fps" "$md5sum_fps") md5sum"
  row "MD5 md5sum, 20000 small files" "$(mbps "$small_bytes" "$md5sum_small_ns")" "$md5sum_fps files/s"
fi

if [ "${FOLD_BENCH:-1}" != 0 ]; then
  echo
  echo "In memory (Google Benchmark):"
  "$build/bench/tallyfox_fold_bench" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(Crc32Fold|Md5Update)'
fi
