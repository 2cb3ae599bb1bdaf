# Sourced by the bench scripts: the Release build they share, timing, and the data
# set of many small files that several of them use. Run from the repository's top.

scripts/install-deps.sh bench >/dev/null

build=build/bench
data=$PWD/build/bench-data

# bench_build GUI TARGET...: configures the Release build (GUI ON or OFF) and builds the
# targets; quiet unless something fails.
bench_build() {
  local gui=$1 output; shift
  if ! output=$(cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALLYFOX_BENCH=ON \
                  -DTALLYFOX_TESTS=OFF -DTALLYFOX_GUI="$gui" 2>&1 \
                && cmake --build "$build" --target "$@" -j "${JOBS:-2}" 2>&1); then
    echo "$output" >&2
    exit 1
  fi
}

# best_ns RUNS COMMAND...: the best wall time in nanoseconds over RUNS runs (output
# and exit status discarded).
best_ns() {
  local runs=$1 best="" start end; shift
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    if [ -z "$best" ] || [ $((end - start)) -lt "$best" ]; then best=$((end - start)); fi
  done
  echo "$best"
}

# best_seconds RUNS COMMAND...: the same in seconds.
best_seconds() {
  awk -v ns="$(best_ns "$@")" 'BEGIN { printf "%.4f", ns / 1e9 }'
}

# small_files: makes (once) and prints the folder of 20,000 files of 4 KiB with their
# lists list.sfv and list.md5, and reads the files into the page cache.
small_files() {
  local small=$data/small
  if [ ! -f "$small/list.md5" ]; then
    rm -rf "$small"; mkdir -p "$small"
    (cd "$small" && head -c $((20000 * 4096)) /dev/urandom | split -b 4096 -a 5 -d - f \
     && cksfv -b f* > list.sfv && md5sum f* > list.md5)
  fi
  cat "$small"/f* > /dev/null
  echo "$small"
}

# big_file: makes (once) and prints the folder of one file of 1 GiB, big.bin, with its
# lists list.sfv and list.md5, and reads the file into the page cache.
big_file() {
  local big=$data/big
  if [ ! -f "$big/list.md5" ]; then
    rm -rf "$big"; mkdir -p "$big"
    (cd "$big" && head -c $((1024 * 1024 * 1024)) /dev/urandom > big.bin && cksfv -b big.bin > list.sfv \
     && md5sum big.bin > list.md5)
  fi
  cat "$big/big.bin" > /dev/null
  echo "$big"
}
