#!/usr/bin/env bash
# Speed on the machine it runs on, in one run of a few minutes:
#   1. each way of reading a cached 1 GiB file (read() into buffers of several sizes,
#      mmap) per engine, in MB/s, and the way the engines read (the choice made);
#   2. tallyfox-check / tallyfox-create against the peers on cached files: CRC-32,
#      MD5 and SHA-256 of one 1 GiB file, SFV over 20,000 files of 4 KiB, a new SFV
#      list of them, an MD5 list of /usr/share, a list of 100,000+ system files with
#      absolute names;
#   3. uncached (every file dropped from the page cache before each run): auto
#      against --jobs 1 and --jobs 2, 1 GiB CRC-32 and 20,000 files of 4 KiB.
# Beside the figures, the choices a run makes here: files in flight by default, and
# whether small files are read in batches through io_uring.
# Every figure is the best of RUNS runs (default 3), as wall time
# with the CPU time (user + system) beside it. The load is printed: on a busy machine
# the figures are noisy.
#   bench/speed.sh            RUNS=5 bench/speed.sh          PARTS="2 3" bench/speed.sh
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/common.sh
bench_build OFF tallyfox-check tallyfox-create tallyfox_read_modes tallyfox_evict_cache tallyfox_run_choices
check=$PWD/$build/src/cli/tallyfox-check
create=$PWD/$build/src/cli/tallyfox-create
modes=$PWD/$build/bench/tallyfox_read_modes
evict=$PWD/$build/bench/tallyfox_evict_cache
run_choices=$PWD/$build/bench/tallyfox_run_choices
runs=${RUNS:-3}
parts=${PARTS:-1 2 3}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

small=$(small_files)
big=$(big_file)
[ -f "$big/list.sha256" ] || (cd "$big" && sha256sum big.bin > list.sha256)

# A list of 100,000+ regular files of the system with absolute names (made once).
system_list=$data/system.md5
if [ ! -f "$system_list" ]; then
  find /usr /var/lib -xdev -type f -readable -size -64M 2>/dev/null | grep -v '[\\[:cntrl:]]' | head -n 120000 \
    | xargs -d '\n' md5sum 2>/dev/null > "$system_list.tmp" || true
  mv "$system_list.tmp" "$system_list"
fi

# timed COMMAND...: "<wall> <cpu>" in seconds of one run (output discarded).
timed() {
  /usr/bin/time -o "$out/time" -f '%e %U %S' "$@" >/dev/null 2>&1 || true
  awk 'END { printf "%.3f %.3f\n", $1, $2 + $3 }' "$out/time"
}
# best RESULT-VARIABLE PREPARE COMMAND...: the best wall time of RUNS runs, each after
# PREPARE (untimed), with that run's CPU time.
best() {
  local var=$1 prepare=$2 best_wall="" best_cpu="" wall cpu; shift 2
  for _ in $(seq "$runs"); do
    $prepare
    read -r wall cpu < <(timed "$@")
    if [ -z "$best_wall" ] || awk -v a="$wall" -v b="$best_wall" 'BEGIN { exit !(a < b) }'; then
      best_wall=$wall; best_cpu=$cpu
    fi
  done
  printf -v "$var" '%s %s' "$best_wall" "$best_cpu"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", (b > 0 ? a / b : 0) }'; }
# row NAME "OURS" PEER-NAME "PEER" TARGET
row() {
  local -a ours=($2) peer=($4)
  printf '%-34s %7ss %7ss | %-16s %7ss %7ss | %7s  %s\n' "$1" "${ours[0]}" "${ours[1]}" "$3" "${peer[0]}" \
    "${peer[1]}" "$(ratio "${peer[0]}" "${ours[0]}")" "${5:-}"
}
# choices FILE...: what a run chooses for these files as they are now.
choices() { printf '%-34s %s\n' "  chosen:" "$("$run_choices" "$@")"; }
warm_big() { cat "$big/big.bin" > /dev/null; }
warm_small() { cat "$small"/f* > /dev/null; }
cold_big() { "$evict" "$big/big.bin"; }
cold_small() { (cd "$small" && "$evict" f*); }
nothing() { :; }
# "${in_dir[@]}" DIR COMMAND...: runs COMMAND in DIR (the peers read names relative to it).
in_dir=(sh -c 'cd "$1" && shift && exec "$@"' in_dir)

echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "Load: $(uptime | sed 's/.*load average: //') (1, 5, 15 min; a busy machine makes the figures noisy)"
echo "Best of $runs runs; wall and CPU (user + system) seconds."

if [[ " $parts " == *" 1 "* ]]; then
  echo
  echo "1. Reading a cached 1 GiB file: MB/s of wall time / MB per CPU second (best of $runs)"
  printf '%-8s' engine
  columns=("read 64KiB" "read 256KiB" "read 1MiB" "read 4MiB" mmap)
  for column in "${columns[@]}"; do printf ' %12s' "$column"; done
  echo
  for engine in crc32 md5 sha256; do
    printf '%-8s' "$engine"
    for column in "${columns[@]}"; do
      case $column in
        mmap) args=(mmap) ;;
        *) kib=${column#read }; kib=${kib%KiB}; [ "$kib" = "${column#read }" ] && kib=$((${kib%MiB} * 1024))
           args=(read --buffer $((kib * 1024))) ;;
      esac
      warm_big
      printf ' %12s' "$("$modes" "${args[0]}" "$engine" "$big/big.bin" "${args[@]:1}" --repeat "$runs" \
                        | awk '{ print $1 "/" $3 }')"
    done
    echo
  done
  echo "Choice made by the engines: read() into each thread's $("$modes" buffer-size) buffer, never a"
  echo "mapping (a cached CRC-32 file of 16 MiB or more: ranges read with pread() on every hardware thread)."
fi

if [[ " $parts " == *" 2 "* ]]; then
  echo
  echo "2. Cached files                      tallyfox    (cpu) | peer                (cpu) |   ratio  target"
  best a warm_big "$check" "$big/list.sfv"; best b warm_big "${in_dir[@]}" "$big" rhash -c list.sfv
  row "CRC-32, one 1 GiB file" "$a" "rhash -c" "$b" ">= 8x"
  warm_big; choices "$big/big.bin"
  best a warm_big "$check" "$big/list.md5"; best b warm_big "${in_dir[@]}" "$big" md5sum -c list.md5
  row "MD5, one 1 GiB file" "$a" "md5sum -c" "$b" ">= 1.0x"
  best a warm_big "$check" "$big/list.sha256"; best b warm_big "${in_dir[@]}" "$big" sha256sum -c list.sha256
  row "SHA-256, one 1 GiB file" "$a" "sha256sum -c" "$b" ">= 3x"
  best a warm_small "$check" "$small/list.sfv"
  best b warm_small "${in_dir[@]}" "$small" rhash -c list.sfv
  best c warm_small sh -c 'cd "$0" && cksfv -q -f list.sfv' "$small"
  read -r bw _ <<<"$b"; read -r cw _ <<<"$c"
  if awk -v x="$bw" -v y="$cw" 'BEGIN { exit !(x <= y) }'; then row "SFV, 20,000 x 4 KiB" "$a" "rhash -c" "$b" ">= 3x"
  else row "SFV, 20,000 x 4 KiB" "$a" "cksfv -f" "$c" ">= 3x"; fi
  warm_small; choices "$small"/f*
  best a warm_small sh -c 'cd "$0" && "$1" --sfv -o "$2/t.sfv" f*' "$small" "$create" "$out"
  best b warm_small sh -c 'cd "$0" && rhash --sfv f* > "$1/r.sfv"' "$small" "$out"
  row "new SFV list, 20,000 x 4 KiB" "$a" "rhash --sfv" "$b" ">= 3x"
  best a nothing "$create" --md5 -o "$out/share.md5" /usr/share
  best b nothing md5deep -r /usr/share
  row "MD5 list of /usr/share" "$a" "md5deep -r" "$b" ">= 3x"
  best a nothing "$check" "$system_list"; best b nothing md5sum -c --quiet "$system_list"
  row "$(wc -l < "$system_list") system files, absolute" "$a" "md5sum -c" "$b" ">= 2x"
fi

if [[ " $parts " == *" 3 "* ]]; then
  echo
  echo "3. Uncached (evicted before each run)       auto    (cpu) | other               (cpu) |   ratio"
  best a cold_big "$check" "$big/list.sfv"
  best b cold_big "$check" --jobs 1 "$big/list.sfv"
  row "CRC-32, one 1 GiB file" "$a" "--jobs 1" "$b"
  cold_big; choices "$big/big.bin"
  best b cold_big "$check" --jobs 2 "$big/list.sfv"
  row "CRC-32, one 1 GiB file" "$a" "--jobs 2" "$b"
  best b cold_big "${in_dir[@]}" "$big" rhash -c list.sfv
  row "CRC-32, one 1 GiB file" "$a" "rhash -c" "$b"
  best a cold_small "$check" "$small/list.sfv"
  cold_small; choices "$small"/f*
  for jobs in 1 2; do
    best b cold_small "$check" --jobs "$jobs" "$small/list.sfv"
    row "SFV, 20,000 x 4 KiB" "$a" "--jobs $jobs" "$b"
  done
  best b cold_small "${in_dir[@]}" "$small" rhash -c list.sfv
  row "SFV, 20,000 x 4 KiB" "$a" "rhash -c" "$b"
  warm_big; warm_small
fi
